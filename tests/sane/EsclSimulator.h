// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace quillon::testing {

// The simulated network scanner on loopback, started by a test and stopped
// with it; airscan reaches it through the configuration it gives.
class EsclSimulator {
public:
    ~EsclSimulator() {
        process_.kill();
        process_.waitForFinished();
    }
    // Starts it with the simulator's own arguments ("--sheets", "3", ...).
    void Start(const QStringList& arguments) {
        process_.setProgram("python3");
        process_.setArguments(QStringList{QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/escl_simulator.py")} + arguments);
        process_.start();
        ASSERT_TRUE(process_.waitForReadyRead(10000)) << "the eSCL simulator did not start";
        port_ = QString::fromLatin1(process_.readLine()).trimmed();
        ASSERT_FALSE(port_.isEmpty());
    }
    // airscan.conf for it alone: no search of the network.
    QByteArray AirscanConfig() const {
        return QStringLiteral("[devices]\n\"Quillon Simulator\" = http://127.0.0.1:%1/eSCL\n[options]\ndiscovery = disable\n")
            .arg(port_)
            .toUtf8();
    }

private:
    QProcess process_;
    QString port_;
};

}  // namespace quillon::testing
