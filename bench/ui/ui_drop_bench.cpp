// A drop of N copies of one photo on the window (offscreen), against the same N converter runs
// started directly, in one run. Prints the time per file both ways, the overhead per file
// (median of the window's minus median of the direct runs) and the longest time an event
// posted from another thread waited to be handled while the batch ran.
//
// Usage: bench_ui_drop [--converter PATH] [--sample PATH] [--files N]
//   --converter  the program to run as data/convert.exe; default build/data/convert.exe when
//                it is built, else the test helper's fake converter
//   --sample     default ../shared/samples/spring_1440x960.heic beside the source tree
//   --files      default 20
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "caption_label.h"
#include "conversion_batch.h"
#include "form1.h"

using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;

namespace {

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Options {
    QString converter;
    QString sample;
    int files = 20;
};

QString defaultConverter() {
    const QString bundled = QStringLiteral(QUORVEL_BUILD_ROOT "/data/convert.exe");
    if (QFile::exists(bundled)) return bundled;
#ifdef QUORVEL_FAKE_CONVERTER
    return QStringLiteral(QUORVEL_FAKE_CONVERTER);
#else
    return bundled;
#endif
}

Options parse(const QStringList& args) {
    Options options{defaultConverter(),
                    QStringLiteral(QUORVEL_SOURCE_ROOT
                                   "/../shared/samples/spring_1440x960.heic"),
                    20};
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--converter"_s) options.converter = args[i + 1];
        if (args[i] == u"--sample"_s) options.sample = args[i + 1];
        if (args[i] == u"--files"_s) options.files = args[i + 1].toInt();
    }
    return options;
}

// The program folder with data/convert.exe, the inputs and two output folders.
struct Workspace {
    QTemporaryDir dir;
    QString program() const { return dir.filePath(u"program"_s); }
    QString output(const QString& run) const { return dir.filePath(run); }
    QStringList inputs;

    bool prepare(const Options& options) {
        QDir root(dir.path());
        if (!root.mkpath(u"program/data"_s) || !root.mkpath(u"in"_s)) return false;
        // A link keeps the process name the runner waits for: convert.exe.
        if (!QFile::link(QFileInfo(options.converter).absoluteFilePath(),
                         root.filePath(u"program/data/convert.exe"_s)))
            return false;
        const QString suffix = QFileInfo(options.sample).suffix();
        for (int i = 1; i <= options.files; ++i) {
            inputs << root.filePath(u"in/photo_%1.%2"_s.arg(i, 2, 10, QChar(u'0')).arg(suffix));
            if (!QFile::copy(options.sample, inputs.last())) return false;
        }
        return root.mkpath(u"direct"_s) && root.mkpath(u"window"_s);
    }
};

std::vector<double> runDirectly(const Workspace& work) {
    std::vector<double> times;
    const QString converter = work.program() + u"/data/convert.exe"_s;
    for (const QString& input : work.inputs) {
        const QString output = work.output(u"direct"_s) + u'/' +
                               QFileInfo(input).completeBaseName() + u".JPG"_s;
        QProcess process;
        const auto start = Clock::now();
        process.start(converter, {u"-quality"_s, u"85%"_s, input, output});
        process.waitForFinished(-1);
        times.push_back(msBetween(start, Clock::now()));
    }
    return times;
}

// Receives events posted from another thread and keeps the longest wait while measuring.
class PostedEventProbe : public QObject {
public:
    struct Stamped : QEvent {
        explicit Stamped(Clock::time_point at) : QEvent(QEvent::User), posted(at) {}
        Clock::time_point posted;
    };
    std::atomic<bool> measuring{false};
    double longestWait = 0;
    int handled = 0;

protected:
    void customEvent(QEvent* event) override {
        if (!measuring) return;
        longestWait = std::max(longestWait,
                               msBetween(static_cast<Stamped*>(event)->posted, Clock::now()));
        ++handled;
    }
};

class QuietOpener : public quorvel::ShellOpener {
public:
    std::function<void()> opened;
    void openFolder(const std::string&) override { opened(); }
    void openAddress(const std::string&) override {}
};

class CountedMessages : public quorvel::platform::UserMessages {
public:
    void showCritical(const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
};

struct WindowRun {
    std::vector<double> perFile;
    double total = 0;
    double longestEventWait = 0;
    int probes = 0;
};

WindowRun runOnTheWindow(const Workspace& work) {
    QuietOpener opener;
    CountedMessages messages;
    quorvel::Form1Services services = quorvel::programServices();
    services.settings = nullptr;
    services.opener = &opener;
    services.messages = &messages;
    services.programFolder = work.program().toStdString();
    quorvel::Form1 form(services);
    form.batch().OutputFolder(work.output(u"window"_s).toStdString());
    form.show();

    std::vector<Clock::time_point> captions;
    QObject::connect(form.controls().Label1, &quorvel::CaptionLabel::captionChanged, &form,
                     [&](const QString&) { captions.push_back(Clock::now()); });
    PostedEventProbe probe;
    std::atomic<bool> posting{true};
    std::thread poster([&] {
        while (posting) {
            QCoreApplication::postEvent(&probe, new PostedEventProbe::Stamped(Clock::now()));
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    QEventLoop done;
    opener.opened = [&] { done.quit(); };

    QList<QUrl> urls;
    for (const QString& input : work.inputs) urls << QUrl::fromLocalFile(input);
    QMimeData data;
    data.setUrls(urls);
    const auto dropped = Clock::now();
    probe.measuring = true;
    QDragEnterEvent enter(QPoint(200, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &enter);
    QDropEvent drop(QPointF(200, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &drop);
    done.exec();
    probe.measuring = false;
    const auto ended = Clock::now();
    posting = false;
    poster.join();

    WindowRun run;
    run.total = msBetween(dropped, ended);
    for (std::size_t i = 0; i + 1 < captions.size(); ++i)
        run.perFile.push_back(msBetween(captions[i], captions[i + 1]));
    run.longestEventWait = probe.longestWait;
    run.probes = probe.handled;
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = parse(QCoreApplication::arguments());
    Workspace work;
    if (!work.prepare(options)) {
        std::fprintf(stderr, "cannot prepare %d copies of %s with %s\n", options.files,
                     qPrintable(options.sample), qPrintable(options.converter));
        return 1;
    }
    std::printf("converter: %s\nsample: %s, %d files\n", qPrintable(options.converter),
                qPrintable(options.sample), options.files);
    const std::vector<double> direct = runDirectly(work);
    const WindowRun window = runOnTheWindow(work);
    double directTotal = 0;
    for (double ms : direct) directTotal += ms;
    std::printf("direct runs:  median %.1f ms per file, %.0f ms in all\n", median(direct),
                directTotal);
    std::printf("window drop:  median %.1f ms per file, %.0f ms in all (drop to folder open)\n",
                median(window.perFile), window.total);
    std::printf("overhead per file (median): %.1f ms   goal <= 60 ms\n",
                median(window.perFile) - median(direct));
    std::printf("longest wait of a posted event during the batch: %.1f ms over %d events"
                "   goal < 60 ms\n",
                window.longestEventWait, window.probes);
    return 0;
}
