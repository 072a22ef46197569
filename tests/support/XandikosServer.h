#pragma once

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

/// Xandikos on 127.0.0.1 and a free port, its storage in a temporary
/// folder; stopped and removed when it goes, also after a failed test.
class Xandikos {
public:
    Xandikos()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return;
        m_port = probe.serverPort();
        probe.close();
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("xandikos"),
                        {"-d", m_dir.path(), "--defaults", "-l", "127.0.0.1", "-p", QString::number(m_port)});
        for (int i = 0; i < 300 && m_process.state() != QProcess::NotRunning; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100)) {
                m_ready = true;
                return;
            }
            QTest::qWait(50);
        }
    }
    ~Xandikos()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }
    bool ready() const { return m_ready; }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QByteArray log() { return m_process.readAll(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_ready = false;
};
