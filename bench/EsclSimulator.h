// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The simulated network scanner (eSCL, reached through sane-airscan) for the
// benchmarks that time quillon-scan as a user runs it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

namespace quillon::bench {

inline const char* kBenchDevice = "airscan:e0:Bench Scanner";

// Started afresh for each run with a full feeder of the same page; writes the
// SANE configuration that reaches it into folder/sane (SANE_CONFIG_DIR).
class EsclSimulator {
public:
    EsclSimulator(const QString& folder, const QString& page, int sheets, double pace) {
        process_.setProgram("python3");
        process_.setArguments({QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/escl_simulator.py"), "--sheets",
                               QString::number(sheets), "--page", page, "--pace", QString::number(pace)});
        process_.start();
        if (!process_.waitForReadyRead(10000)) return;
        port_ = QString::fromLatin1(process_.readLine()).trimmed();
        QDir().mkpath(folder + "/sane");
        QFile dll(folder + "/sane/dll.conf"), airscan(folder + "/sane/airscan.conf");
        if (!dll.open(QIODevice::WriteOnly) || !airscan.open(QIODevice::WriteOnly)) port_.clear();
        dll.write("airscan\n");
        airscan.write(QStringLiteral("[devices]\n\"Bench Scanner\" = http://127.0.0.1:%1/eSCL\n[options]\ndiscovery = disable\n")
                          .arg(port_)
                          .toUtf8());
    }
    ~EsclSimulator() {
        process_.kill();
        process_.waitForFinished();
    }
    EsclSimulator(const EsclSimulator&) = delete;
    EsclSimulator& operator=(const EsclSimulator&) = delete;
    bool started() const { return !port_.isEmpty(); }

private:
    QProcess process_;
    QString port_;
};

// quillon-scan's command for a grey 300 dpi Letter feeder batch from the simulator.
inline std::vector<std::string> BenchScanCommand(const std::string& program, const QString& output, bool searchable) {
    std::vector<std::string> command{program,    "-q",     "-d",        kBenchDevice,    "--source",    "feeder",
                                     "--mode",   "grey",   "--dpi",     "300",           "--paper",     "letter",
                                     "--quality", "3",     "--no-contrast", "--no-duplex", "--no-crop", "--no-deskew",
                                     "--multiple"};
    if (searchable) command.insert(command.end(), {"--searchable", "--languages", "eng"});
    command.push_back(output.toStdString());
    return command;
}

// Printed with the figures: the command above, OUT.pdf for the output.
inline const char* kBenchScanCommandText =
    "quillon-scan -q -d 'airscan:e0:Bench Scanner' --source feeder --mode grey --dpi 300 --paper letter --quality 3 "
    "--no-contrast --no-duplex --no-crop --no-deskew --multiple [--searchable --languages eng] OUT.pdf";

}  // namespace quillon::bench
