#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "core/ProgramFolder.h"
#include "system/ArchiveMaintenance.h"

#include <iostream>

#ifdef VARNELO_CLI_DOWNLOAD
#include "archive/ui/Download.h"

#include <QCoreApplication>
#endif

namespace varnelo::cli {

namespace {

constexpr const char* kUsage =
    "aggiorna-archivio (--da URL | --file FILE) [--attesa SECONDI] [--cartella DIR]";

struct Request {
    std::string url;
    std::string file;
    int silenceSeconds = 30;
};

bool parse(const std::vector<std::string>& args, Request& r) {
    const bool ok = optionPairs(args, [&r](const std::string& option, const std::string& value) {
        if (option == "--da")
            r.url = value;
        else if (option == "--file")
            r.file = value;
        else if (option == "--attesa")
            return rangedOption(value, "--attesa", 1, 600, r.silenceSeconds);
        else
            return unknownOption(option);
        return true;
    });
    if (!ok)
        return false;
    if (r.url.empty() == r.file.empty()) {
        std::cerr << "Indicare il blocco con --da URL oppure con --file FILE\n";
        return false;
    }
    return true;
}

ArchiveUpdateOutcome download(const ProgramFolder& folder, const Request& r) {
#ifdef VARNELO_CLI_DOWNLOAD
    int argc = 1;
    char name[] = "varnelo-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QByteArray body;
    QString error;
    if (!fetchUrl(QUrl(QString::fromStdString(r.url)), {r.silenceSeconds * 1000}, body, error))
        return downloadFailed(error.toStdString());
    return updateArchiveWithDownload(folder, std::string_view(body.constData(), body.size()));
#else
    (void)folder;
    (void)r;
    return downloadFailed("Lo scaricamento richiede il programma completo, costruito con Qt: "
                          "scaricare il blocco e usare --file.");
#endif
}

int run(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    const ProgramFolder folder(takeFolderOption(args));
    Request request;
    if (!parse(args, request)) {
        std::cerr << "Uso: varnelo-cli " << kUsage << '\n';
        return kBadInput;
    }
    if (!request.url.empty())
        std::cout << kUpdateStarts << '\n' << std::flush;
    const ArchiveUpdateOutcome out =
        request.url.empty() ? updateArchive(folder, request.file) : download(folder, request);
    for (const auto& line : out.report)
        std::cout << line << '\n';
    if (!request.url.empty())
        std::cout << downloadVerdict(out.kind) << '\n';
    if (out.notice)
        printNotice(*out.notice);
    return out.kind == UpdateKind::Refused ? 1 : kOk;
}

const bool registered = registerCommand({"aggiorna-archivio", kUsage, run});

} // namespace

} // namespace varnelo::cli
