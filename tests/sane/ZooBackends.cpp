// SPDX-License-Identifier: GPL-3.0-or-later
// The emulated backends, each as its source in sane-backends (or HPLIP for
// hpaio) presents it: the option values a frontend meets, not every option.
#include "ZooDevice.h"

namespace quillon::testing {

namespace {

using Area = std::pair<double, double>;
const Area kGlass{215.9, 297.2};          // a flatbed's A4-sized glass
const Area kLegalFeeder{215.9, 355.6};
const Area kLongFeeder{215.9, 863.6};     // sheet-fed scanners take long paper
const Area kCard{86.0, 54.0};

BackendProfile Profile(const char* name, const char* vendor, const char* model, std::vector<std::string> sources,
                 std::vector<std::string> modes, std::vector<int> resolutions,
                 std::map<std::string, Area> areas) {
    BackendProfile profile{name, vendor, model, std::move(sources), std::move(modes), std::move(resolutions)};
    profile.areaMm = std::move(areas);
    return profile;
}

std::vector<BackendProfile> MakeBackends() {
    const std::vector<std::string> standardModes{"Lineart", "Gray", "Color"};
    const std::vector<std::string> withHalftone{"Lineart", "Halftone", "Gray", "Color"};
    std::vector<BackendProfile> zoo;

    // Epson: the feeder's duplex is a separate adf-mode list.
    BackendProfile epson2 = Profile("epson2", "Epson", "GT-S85", {"Flatbed", "Automatic Document Feeder"}, standardModes,
                              {75, 150, 300, 600, 1200}, {{"Flatbed", kGlass}, {"Automatic Document Feeder", kLegalFeeder}});
    epson2.duplexOption = "adf-mode";
    epson2.adfModes = {"Simplex", "Duplex"};
    zoo.push_back(epson2);

    BackendProfile epsonds = Profile("epsonds", "Epson", "DS-530", {"Automatic Document Feeder"}, standardModes,
                               {100, 150, 200, 300, 600}, {{"Automatic Document Feeder", kLegalFeeder}});
    epsonds.duplexOption = "adf-mode";
    epsonds.adfModes = {"Simplex", "Duplex"};
    zoo.push_back(epsonds);

    // Fujitsu and Canon's document scanners: sheet-fed, with a card slot that
    // is no flatbed, page-size options and a paper sensor.
    const std::vector<std::string> sheetAndCard{"ADF Front", "ADF Back", "ADF Duplex", "Card Front", "Card Back", "Card Duplex"};
    const std::map<std::string, Area> sheetAndCardAreas{{"ADF Front", kLongFeeder}, {"ADF Back", kLongFeeder},
                                                        {"ADF Duplex", kLongFeeder}, {"Card Front", kCard},
                                                        {"Card Back", kCard}, {"Card Duplex", kCard}};
    BackendProfile fujitsu = Profile("fujitsu", "FUJITSU", "fi-7160", sheetAndCard, withHalftone, {}, sheetAndCardAreas);
    fujitsu.resolutionMin = 50, fujitsu.resolutionMax = 600;
    fujitsu.pageSizeOptions = true;
    fujitsu.sensor = "page-loaded";
    zoo.push_back(fujitsu);

    BackendProfile canon = Profile("canon_dr", "CANON", "DR-C225", sheetAndCard, withHalftone, {}, sheetAndCardAreas);
    canon.resolutionMin = 100, canon.resolutionMax = 600;
    canon.pageSizeOptions = true;
    canon.sensor = "adf-loaded";
    zoo.push_back(canon);

    // Avision calls its flatbed "Normal" and has a dithered mode that is no black and white.
    zoo.push_back(Profile("avision", "Avision", "AV176U", {"Normal", "ADF Front", "ADF Back", "ADF Duplex"},
                       {"Lineart", "Dithered", "Gray", "12bit Gray", "Color", "48bit Color"}, {},
                       {{"Normal", kGlass}, {"ADF Front", kLegalFeeder}, {"ADF Back", kLegalFeeder},
                        {"ADF Duplex", kLegalFeeder}}));
    zoo.back().resolutionMin = 75, zoo.back().resolutionMax = 600;

    // The HP ScanJet 5590: no 150 dpi in its list, and film sources.
    BackendProfile hp5590 = Profile("hp5590", "HP", "ScanJet 5590", {"Flatbed", "ADF", "ADF Duplex", "TMA Slides", "TMA Negatives"},
                              {"Color", "Color (48 bits)", "Gray", "Lineart"}, {100, 200, 300, 600, 1200, 2400},
                              {{"Flatbed", kGlass}, {"ADF", kLegalFeeder}, {"ADF Duplex", kLegalFeeder},
                               {"TMA Slides", {36, 24}}, {"TMA Negatives", {36, 24}}});
    hp5590.sensor = "doc-in-adf";
    zoo.push_back(hp5590);

    // Pixma resets mode and resolution when the source changes.
    BackendProfile pixma = Profile("pixma", "CANON", "Canon PIXMA MX920 Series",
                             {"Flatbed", "Automatic Document Feeder", "ADF Duplex"}, {"Color", "Gray", "Lineart"},
                             {75, 150, 300, 600, 1200},
                             {{"Flatbed", kGlass}, {"Automatic Document Feeder", kLegalFeeder}, {"ADF Duplex", kLegalFeeder}});
    pixma.sourceResetsModeAndResolution = true;
    zoo.push_back(pixma);

    BackendProfile kodak = Profile("kodak", "Kodak", "i1220", {"ADF Front", "ADF Back", "ADF Duplex"}, withHalftone, {},
                             {{"ADF Front", kLongFeeder}, {"ADF Back", kLongFeeder}, {"ADF Duplex", kLongFeeder}});
    kodak.resolutionMin = 100, kodak.resolutionMax = 600;
    kodak.pageSizeOptions = true;
    zoo.push_back(kodak);

    // Flatbed-only scanners, one calling its glass "Normal".
    zoo.push_back(Profile("plustek", "Plustek", "OpticPro U24", {"Normal", "Transparency", "Negative"}, standardModes, {},
                       {{"Normal", kGlass}, {"Transparency", {36, 24}}, {"Negative", {36, 24}}}));
    zoo.push_back(Profile("genesys", "Canon", "LiDE 220", {"Flatbed", "Transparency Adapter"},
                       {"Color", "Gray", "Halftone", "Lineart"}, {75, 100, 150, 300, 600, 1200, 2400},
                       {{"Flatbed", kGlass}, {"Transparency Adapter", {36, 24}}}));

    // Driverless network scanners. escl gives grey where black and white is
    // asked of its feeder; airscan resets the scan area to the new source's
    // largest (the feeder's is 17 inches) and many devices have no black and white.
    BackendProfile escl = Profile("escl", "Brother", "MFC-L2750DW", {"Flatbed", "ADF", "ADF Duplex"}, standardModes,
                            {75, 100, 150, 200, 300, 600},
                            {{"Flatbed", kGlass}, {"ADF", kLegalFeeder}, {"ADF Duplex", kLegalFeeder}});
    escl.feederHasNoLineart = true;
    zoo.push_back(escl);
    BackendProfile airscan = Profile("airscan", "Kyocera", "ECOSYS M2540dn", {"Flatbed", "ADF", "ADF Duplex"}, {"Color", "Gray"},
                               {100, 150, 200, 300, 600},
                               {{"Flatbed", kGlass}, {"ADF", {215.9, 431.8}}, {"ADF Duplex", {215.9, 431.8}}});
    airscan.sourceResetsArea = true;
    zoo.push_back(airscan);

    // Panasonic: lower-case values, and duplex as a switch of its own.
    BackendProfile kvs = Profile("kvs1025", "Panasonic", "KV-S1025C", {"adf", "fb"}, {"bw", "halftone", "gray", "color"},
                           {100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600},
                           {{"adf", kLegalFeeder}, {"fb", kGlass}});
    kvs.duplexOption = "duplex";
    zoo.push_back(kvs);

    zoo.push_back(Profile("xerox_mfp", "Xerox", "WorkCentre 3225", {"Flatbed", "ADF", "Auto"}, withHalftone,
                       {75, 100, 150, 200, 300, 600}, {{"Flatbed", kGlass}, {"ADF", kLegalFeeder}, {"Auto", kGlass}}));

    // HPLIP: LEDM devices name the feeder's duplex source plainly "Duplex" and
    // reset mode and resolution with the source; SCL devices have "Auto" and a duplex switch.
    BackendProfile ledm = Profile("hpaio-ledm", "Hewlett-Packard", "Officejet_Pro_8600", {"Flatbed", "ADF", "Duplex"},
                            standardModes, {75, 100, 150, 200, 300, 600},
                            {{"Flatbed", kGlass}, {"ADF", kLegalFeeder}, {"Duplex", kLegalFeeder}});
    ledm.sourceResetsModeAndResolution = true;
    zoo.push_back(ledm);
    BackendProfile scl = Profile("hpaio-scl", "Hewlett-Packard", "Officejet_6500_E709n", {"Auto", "Flatbed", "ADF"},
                           standardModes, {}, {{"Auto", kGlass}, {"Flatbed", kGlass}, {"ADF", kLegalFeeder}});
    scl.resolutionMin = 75, scl.resolutionMax = 600;
    scl.duplexOption = "duplex";
    zoo.push_back(scl);
    return zoo;
}

std::vector<BackendProfile> MakeOddDevices() {
    std::vector<BackendProfile> odd;
    odd.push_back(Profile("odd-no-source", "Odd", "No Source", {}, {"Lineart", "Gray", "Color"}, {150, 300},
                       {{"", {215.9, 250.0}}}));  // and a glass shorter than Letter
    odd.push_back(Profile("odd-no-grey", "Odd", "No Grey", {"Flatbed", "ADF"}, {"Lineart", "Color"}, {75, 150, 300},
                       {{"Flatbed", kGlass}, {"ADF", kLegalFeeder}}));
    BackendProfile pixels = Profile("odd-pixel-area", "Odd", "Pixel Area", {"Flatbed", "ADF"}, {"Gray", "Color"}, {},
                              {{"Flatbed", kGlass}, {"ADF", kLegalFeeder}});
    pixels.geometryInPixels = true;
    odd.push_back(pixels);
    return odd;
}

}  // namespace

const std::vector<BackendProfile>& OddDevices() {
    static const std::vector<BackendProfile> odd = MakeOddDevices();
    return odd;
}

const std::vector<BackendProfile>& ZooBackends() {
    static const std::vector<BackendProfile> zoo = MakeBackends();
    return zoo;
}

}  // namespace quillon::testing
