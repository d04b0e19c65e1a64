#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <vector>

namespace twinsweep::test {

/// A PulseAudio server of the test's own with one null sink, kept in a temporary folder
/// (runtime folder, socket, home), so that no sound reaches a real user's server. While
/// it lives PULSE_SERVER points at it: GStreamer's pulsesink and PulseAudio's tools then
/// play into its sink. It stops when destroyed, and dies with the test process.
class SoundServer
{
public:
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    /// Whether it started and answers; otherwise `error()` says why.
    bool isRunning() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    /// The null sink everything plays into.
    static QString sinkName() { return "twinsweep_test"; }
    /// Where clients reach it, as PULSE_SERVER names a server.
    QString address() const { return m_address; }

    /// Stops the server's process (SIGSTOP): it keeps its connections and answers nothing.
    void freeze();
    /// Lets a frozen server go on (SIGCONT).
    void thaw();
    /// Ends the server's process at once, as a crash would.
    void kill();

private:
    bool start();
    bool waitUntilItAnswers();

    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_error;
    QString m_address;
    // What PULSE_SERVER and PULSE_COOKIE held before, restored at the end.
    std::optional<QByteArray> m_previousServer;
    std::optional<QByteArray> m_previousCookie;
};

/// While it lives, no sound server answers the program (PULSE_SERVER names none), and the
/// system's ALSA default device plays into `server` through ALSA's PulseAudio plugin, so
/// that what reaches that device can be recorded.
class AlsaOnly
{
public:
    explicit AlsaOnly(const SoundServer& server);
    ~AlsaOnly();
    AlsaOnly(const AlsaOnly&) = delete;
    AlsaOnly& operator=(const AlsaOnly&) = delete;

private:
    QTemporaryDir m_folder;
    std::optional<QByteArray> m_previousServer;
    std::optional<QByteArray> m_previousAlsaConfig;
};

/// Records what the sound server's sink plays, from its monitor through `parec`, as mono
/// 16-bit samples at `SampleRate`. The latency asked of the recording is also the
/// latency at which the sink then plays.
class MonitorRecorder
{
public:
    static constexpr int SampleRate = 44100;

    MonitorRecorder(const SoundServer& server, int latencyMs);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    /// Starts recording and returns once sound arrives, so that nothing played from then
    /// on is missed; false (with `error()`) when none arrives.
    bool start();
    /// Records on until all that was played before this call has arrived, then stops.
    /// Returns the samples; a recording that stopped short fails the running test.
    std::vector<qint16> stop();
    QString error() const { return m_error; }

private:
    qint64 recordedBytes() const;
    QString recordingPath() const { return m_folder.filePath("monitor.raw"); }

    QString m_server;
    int m_latencyMs;
    QTemporaryDir m_folder;
    QProcess m_parec;
    QString m_error;
    QElapsedTimer m_sinceFirstSound;
    qint64 m_firstBytes = 0;
};

} // namespace twinsweep::test
