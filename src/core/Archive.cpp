#include "core/Archive.h"

#include "core/AtomicWriter.h"
#include "core/LineReader.h"
#include "core/TextFile.h"

namespace varnelo {

bool readArchive(const std::filesystem::path& path, std::size_t maxLines, ArchiveContents& out,
                 std::string& error) {
    if (!checkTextFile(path, kMaxArchiveBytes, error))
        return false;
    // Streamed: only draws and bad lines take memory, blank lines none.
    LineReader in(path);
    if (!in.isOpen()) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    ArchiveContents result;
    std::string reason;
    std::string_view line;
    for (std::size_t i = 0; i < maxLines && in.next(line); ++i) {
        if (i == 0)
            result.firstLine = decodeText(line);
        if (trimBlanks(line).empty())
            continue;
        Draw d;
        if (parseDrawLine(line, d, reason)) {
            result.draws.push_back(d);
            result.drawLines.push_back(i + 1);
        } else {
            result.problems.push_back({i + 1, reason});
        }
    }
    if (in.failed()) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    out = std::move(result);
    return true;
}

bool writeArchive(const std::filesystem::path& path, const std::vector<Draw>& draws,
                  std::string& error, const std::filesystem::path& temporary) {
    std::string text;
    text.reserve(draws.size() * (kDrawLineWidth + 2));
    for (const auto& d : draws) {
        text += d.text();
        text += "\r\n";
    }
    AtomicWriter w(path, temporary);
    if (w.open() && w.write(text) && w.commit())
        return true;
    error = w.error();
    return false;
}

Notice archiveProblemsNotice(std::string_view fileName,
                             const std::vector<ArchiveLineProblem>& problems) {
    const std::size_t n = problems.size();
    Notice notice{"Archivio non valido:", {}};
    notice.lines.push_back("Nel file " + std::string(fileName) +
                           (n == 1 ? " c'e una riga non valida"
                                   : " ci sono " + std::to_string(n) + " righe non valide") +
                           ", non usate come estrazioni.");
    if (n > 0)
        notice.lines.push_back("Riga " + std::to_string(problems[0].line) + ": " +
                               problems[0].reason + ".");
    if (n > 1)
        notice.lines.push_back("Riga " + std::to_string(problems[n - 1].line) + ": " +
                               problems[n - 1].reason + ".");
    return notice;
}

Notice archiveErrorNotice(const std::string& error) {
    return Notice{"Archivio:", {"Operazione sull'archivio non riuscita:", error}};
}

} // namespace varnelo
