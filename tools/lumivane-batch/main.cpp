// lumivane-batch: thumbnails of a URL list without a window, several pages at a time.
#include "brand/ProgramVersion.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "tools/lumivane-batch/BatchFiles.h"
#include "tools/lumivane-batch/BatchOptions.h"
#include "tools/lumivane-batch/BatchPagePool.h"
#include "tools/lumivane-batch/BatchSettings.h"
#include "tools/lumivane-batch/DryRun.h"
#include "tools/lumivane-batch/HeadlessEnvironment.h"
#include "tools/lumivane-batch/SignalWatcher.h"
#include "ui/ExceptionReporting.h"

#include <QTimer>

#include <chrono>
#include <iostream>
#include <thread>
#include <unistd.h>

using namespace lumivane;
using namespace lumivane::batch;

namespace {

struct Run {
    BatchOptions options;
    BatchSettings settings;
    ListInput list;
    std::unique_ptr<std::ofstream> report;
};

double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int runPages(Run& run, RowSource& source, RowPlanner& planner, char* programName)
{
    HeadlessEnvironment environment;
    int qtArgc = 1;
    char* qtArgv[] = {programName, nullptr};
    LumivaneApplication app(qtArgc, qtArgv);
    ExceptionReporting::setPresenter(
        [](const std::string& message) { std::cerr << "lumivane-batch: " << message << "\n"; });

    ReportWriter report(run.report.get());
    ProgressPrinter progress(std::cerr, isatty(STDERR_FILENO), run.options.quiet, steadySeconds);
    if (run.list.rows)
        progress.setTotal(planner.shardSize(*run.list.rows));
    for (const std::string& note : run.settings.notes)
        progress.note("lumivane-batch: note: " + note);

    int exitCode = exitAllDone;
    {
        SignalWatcher watcher;
        const int jobs = resolveJobs(run.options, std::thread::hardware_concurrency());
        BatchPagePool pages(jobs, run.settings, run.options.timeoutMs, run.options.delayMs);
        BatchScheduler scheduler(source, planner, pages, report, progress,
            [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
        pages.setScheduler(&scheduler);
        QObject::connect(&watcher, &SignalWatcher::received, &app,
            [&scheduler](int signal) { scheduler.interrupt(signal); });
        QTimer::singleShot(0, &app, [&scheduler] { scheduler.start(); });
        app.exec();
        exitCode = scheduler.exitCode();
    }
    // Browsers replaced during the run are deleted late; they must go before the engine does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}

int runBatch(Run& run, char* programName)
{
    const IniFile config(joinPath(programFolder(), "config.ini"));
    run.settings = resolveSettings(run.options, config);
    run.list = openList(run.options.listFile, std::cin);
    RowPlanner planner(run.settings, run.options.shard);
    RowSource source(*run.list.stream, run.options.listFormat, run.settings.linkType);
    if (run.options.dryRun) {
        printDryRun(source, planner, std::cout);
        return exitAllDone;
    }
    if (run.options.report)
        run.report = openReport(*run.options.report);
    makeFolder(run.settings.folder, "output folder");
    if (!run.settings.pageImages.empty())
        makeFolder(run.settings.pageImages, "page image folder");
    return runPages(run, source, planner, programName);
}

} // namespace

int main(int argc, char** argv)
{
    Run run;
    try {
        run.options = parseBatchOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (run.options.help) {
            std::cout << usageText();
            return exitAllDone;
        }
        if (run.options.version) {
            std::cout << "lumivane-batch " << programVersion << "\n";
            return exitAllDone;
        }
        return runBatch(run, argv[0]);
    } catch (const UsageError& error) {
        std::cerr << "lumivane-batch: " << error.what() << "\nTry lumivane-batch --help.\n";
    } catch (const std::exception& error) {
        std::cerr << "lumivane-batch: " << error.what() << "\n";
    }
    return exitUsage;
}
