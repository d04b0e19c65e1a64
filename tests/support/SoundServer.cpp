#include "SoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <signal.h>
#include <sys/prctl.h>

namespace twinsweep::test {

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 5000;
// The monitor sends what the sink played at most one latency late; the rest is room
// for a busy machine.
constexpr int ArrivalMarginMs = 3000;

/// Polls `done` every 10 ms until it holds or `timeoutMs` have passed.
bool waitUntil(const std::function<bool()>& done, qint64 timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

/// A helper process that must not outlive the test, even when the test crashes.
void dieWithParent(QProcess& process)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(StopTimeoutMs)) {
        process.kill();
        process.waitForFinished(StopTimeoutMs);
    }
}

std::optional<QByteArray> environmentValue(const char* name)
{
    if (!qEnvironmentVariableIsSet(name))
        return std::nullopt;
    return qgetenv(name);
}

void restoreEnvironment(const char* name, const std::optional<QByteArray>& value)
{
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

} // namespace

SoundServer::SoundServer()
    : m_previousServer(environmentValue("PULSE_SERVER")), m_previousCookie(environmentValue("PULSE_COOKIE"))
{
    if (start() && !waitUntilItAnswers())
        stopProcess(m_daemon);
}

SoundServer::~SoundServer()
{
    if (m_daemon.state() != QProcess::NotRunning)
        ::kill(pid_t(m_daemon.processId()), SIGCONT); // a frozen server ends as any other
    stopProcess(m_daemon);
    restoreEnvironment("PULSE_SERVER", m_previousServer);
    restoreEnvironment("PULSE_COOKIE", m_previousCookie);
}

bool SoundServer::start()
{
    const QString runtime = m_folder.filePath("runtime");
    const QString home = m_folder.filePath("home");
    QDir().mkpath(runtime);
    QDir().mkpath(home);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = runtime + "/native";

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/.config");
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("PULSE_RUNTIME_PATH", runtime);
    // No session bus and no display: the server must not start a bus daemon of its own.
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime + "/no-bus");
    environment.remove("DISPLAY");
    m_daemon.setProcessEnvironment(environment);
    m_daemon.setStandardOutputFile(m_folder.filePath("pulseaudio.log"));
    m_daemon.setStandardErrorFile(m_folder.filePath("pulseaudio.log"), QIODevice::Append);
    dieWithParent(m_daemon);
    // Root may run a server of its own only with these: no daemon, no pid file, no exit.
    m_daemon.start("pulseaudio", {"-n", "--daemonize=no", "--system=no", "--use-pid-file=no", "--exit-idle-time=-1",
                                  "--disallow-exit", "--high-priority=no", "--realtime=no", "--log-target=stderr",
                                  "--log-level=warning", "-L", "module-null-sink sink_name=" + sinkName(), "-L",
                                  "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    if (!m_daemon.waitForStarted()) {
        m_error = "pulseaudio does not start: " + m_daemon.errorString();
        return false;
    }
    m_address = "unix:" + socket;
    qputenv("PULSE_SERVER", m_address.toLocal8Bit());
    qputenv("PULSE_COOKIE", m_folder.filePath("home/cookie").toLocal8Bit());
    return true;
}

bool SoundServer::waitUntilItAnswers()
{
    const bool answers = waitUntil(
        [this] {
            if (m_daemon.state() == QProcess::NotRunning)
                return true;
            QProcess pactl;
            pactl.start("pactl", {"info"});
            return pactl.waitForFinished(StartTimeoutMs) && pactl.exitStatus() == QProcess::NormalExit &&
                   pactl.exitCode() == 0;
        },
        StartTimeoutMs);
    if (answers && m_daemon.state() != QProcess::NotRunning)
        return true;
    m_error = "pulseaudio does not answer: " + fileText(m_folder.filePath("pulseaudio.log"));
    return false;
}

void SoundServer::freeze()
{
    ::kill(pid_t(m_daemon.processId()), SIGSTOP);
}

void SoundServer::thaw()
{
    ::kill(pid_t(m_daemon.processId()), SIGCONT);
}

void SoundServer::kill()
{
    m_daemon.kill();
    m_daemon.waitForFinished(StopTimeoutMs);
}

AlsaOnly::AlsaOnly(const SoundServer& server)
    : m_previousServer(environmentValue("PULSE_SERVER")), m_previousAlsaConfig(environmentValue("ALSA_CONFIG_PATH"))
{
    const QString config = m_folder.filePath("asound.conf");
    QFile file(config);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << config.toStdString();
    file.write(QString("pcm_type.pulse { lib \"libasound_module_pcm_pulse.so\" }\n"
                       "pcm.!default { type pulse; server \"%1\" }\n")
                   .arg(server.address())
                   .toUtf8());
    file.close();
    qputenv("ALSA_CONFIG_PATH", config.toLocal8Bit());
    qputenv("PULSE_SERVER", ("unix:" + m_folder.filePath("no-server")).toLocal8Bit());
}

AlsaOnly::~AlsaOnly()
{
    restoreEnvironment("PULSE_SERVER", m_previousServer);
    restoreEnvironment("ALSA_CONFIG_PATH", m_previousAlsaConfig);
}

MonitorRecorder::MonitorRecorder(const SoundServer& server, int latencyMs)
    : m_server(server.address()), m_latencyMs(latencyMs)
{}

MonitorRecorder::~MonitorRecorder()
{
    stopProcess(m_parec);
}

qint64 MonitorRecorder::recordedBytes() const
{
    return QFileInfo(recordingPath()).size();
}

bool MonitorRecorder::start()
{
    m_parec.setStandardOutputFile(recordingPath());
    m_parec.setStandardErrorFile(m_folder.filePath("parec.log"));
    dieWithParent(m_parec);
    m_parec.start("parec", {"--server=" + m_server, "--latency-msec=" + QString::number(m_latencyMs), "-d",
                            SoundServer::sinkName() + ".monitor", "--raw", "--format=s16le",
                            "--rate=" + QString::number(SampleRate), "--channels=1"});
    // The sink may sleep for up to its former latency before it first feeds the monitor;
    // sound played meanwhile would not be recorded from its start.
    const bool soundArrived =
        waitUntil([this] { return recordedBytes() > 0 || m_parec.state() == QProcess::NotRunning; },
                  m_latencyMs + ArrivalMarginMs);
    if (!soundArrived || m_parec.state() == QProcess::NotRunning) {
        m_error = "parec records nothing: " + m_parec.errorString() + " " + fileText(m_folder.filePath("parec.log"));
        stopProcess(m_parec);
        return false;
    }
    m_sinceFirstSound.start();
    m_firstBytes = recordedBytes();
    return true;
}

std::vector<qint16> MonitorRecorder::stop()
{
    if (!m_sinceFirstSound.isValid())
        return {}; // it never recorded
    const qint64 playedBytes = m_firstBytes + m_sinceFirstSound.elapsed() * SampleRate / 1000 * 2;
    const bool complete =
        waitUntil([this, playedBytes] { return recordedBytes() >= playedBytes; }, m_latencyMs + ArrivalMarginMs);
    stopProcess(m_parec);
    EXPECT_TRUE(complete) << "the recording stopped short: " << recordedBytes() << " of " << playedBytes << " bytes";
    QFile file(recordingPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<qint16> samples(size_t(bytes.size() / 2));
    qFromLittleEndian<qint16>(bytes.constData(), qsizetype(samples.size()), samples.data());
    return samples;
}

} // namespace twinsweep::test
