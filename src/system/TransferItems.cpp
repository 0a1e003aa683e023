#include "system/TransferItems.h"

#include "core/AtomicWriter.h"
#include "system/SystemName.h"

#include <algorithm>

namespace varnelo {

namespace {

namespace fs = std::filesystem;

struct KindFiles {
    ItemKind kind;
    const char* folder;    // below the program folder
    const char* extension; // of the file that names the item
    const char* companion; // a second file of the item, copied when present
};

constexpr KindFiles kKinds[] = {
    {ItemKind::System, "qor", ".sse", ".cna"},
    {ItemKind::Crossword, "andor", ".sck", nullptr},
    {ItemKind::Reduced, "ridotti", ".rid", nullptr},
};

const KindFiles& filesOf(ItemKind kind) {
    return *std::find_if(std::begin(kKinds), std::end(kKinds),
                         [kind](const KindFiles& k) { return k.kind == kind; });
}

std::vector<TransferItem> itemsIn(const fs::path& dir, ItemKind kind) {
    std::vector<TransferItem> items;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        const fs::path& p = e.path();
        if (e.is_regular_file(ec) && p.extension() == filesOf(kind).extension &&
            isPlainFileName(p.stem().string()))
            items.push_back({kind, p.stem().string()});
    }
    std::sort(items.begin(), items.end(),
              [](const TransferItem& a, const TransferItem& b) { return a.name < b.name; });
    return items;
}

// Source and target of every file of the item that exists at the source.
std::vector<std::pair<fs::path, fs::path>> fileMoves(const ProgramFolder& folder,
                                                     const TransferItem& item, const fs::path& dir,
                                                     Direction direction) {
    const KindFiles& k = filesOf(item.kind);
    std::vector<std::pair<fs::path, fs::path>> moves;
    for (const char* extension : {k.extension, k.companion}) {
        if (!extension)
            continue;
        const std::string file = item.name + extension;
        const fs::path inside = folder.path(std::string(k.folder) + "/" + file);
        const fs::path outside = dir / file;
        if (direction == Direction::Export)
            moves.emplace_back(inside, outside);
        else
            moves.emplace_back(outside, inside);
    }
    std::error_code ec;
    if (moves.size() > 1 && !fs::exists(moves.back().first, ec))
        moves.pop_back();
    return moves;
}

bool copyThroughTemporary(const fs::path& from, const fs::path& to, std::string& error) {
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    fs::path temporary = to;
    temporary += ".copia-in-corso";
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(temporary, to, ec);
    if (ec) {
        error = "Impossibile copiare " + from.string() + " in " + to.string() + ": " +
                systemErrorText(ec.value());
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

Notice failed(const std::string& line) {
    return Notice{"Avviso:", {"Trasferimento non effettuato:", line}};
}

} // namespace

std::string kindText(ItemKind kind) {
    switch (kind) {
    case ItemKind::System:
        return "Sistema";
    case ItemKind::Crossword:
        return "Cruciverba";
    case ItemKind::Reduced:
        return "Ridotto";
    }
    return {};
}

std::vector<TransferItem> programItems(const ProgramFolder& folder) {
    std::vector<TransferItem> items;
    for (const KindFiles& k : kKinds)
        for (TransferItem& item : itemsIn(folder.path(k.folder), k.kind))
            if (!(k.kind == ItemKind::System && isReservedSystemName(item.name)))
                items.push_back(std::move(item));
    return items;
}

std::vector<TransferItem> folderItems(const fs::path& dir) {
    std::vector<TransferItem> items;
    for (const KindFiles& k : kKinds)
        for (TransferItem& item : itemsIn(dir, k.kind))
            items.push_back(std::move(item));
    return items;
}

bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 200)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32;
    });
}

std::vector<fs::path> filesToReplace(const ProgramFolder& folder, const TransferItem& item,
                                     const fs::path& dir, Direction direction) {
    std::vector<fs::path> existing;
    if (!isPlainFileName(item.name))
        return existing;
    std::error_code ec;
    for (const auto& [from, to] : fileMoves(folder, item, dir, direction))
        if (fs::exists(to, ec))
            existing.push_back(to);
    return existing;
}

TransferOutcome transferItem(const ProgramFolder& folder, const TransferItem& item,
                             const fs::path& dir, Direction direction) {
    if (!isPlainFileName(item.name))
        return {false, failed("Nome non valido: \"" + item.name + "\".")};
    if (item.kind == ItemKind::System && direction == Direction::Import &&
        (isReservedSystemName(item.name) || typedSystemName(item.name) != item.name))
        return {false, failed("Nome di sistema non valido: \"" + item.name + "\".")};
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return {false, failed("La cartella " + dir.string() + " non esiste.")};
    const auto moves = fileMoves(folder, item, dir, direction);
    if (!fs::exists(moves.front().first, ec))
        return {false, failed("Il file " + moves.front().first.string() + " non esiste.")};
    std::string error;
    for (const auto& [from, to] : moves)
        if (!copyThroughTemporary(from, to, error))
            return {false, failed(error)};
    if (direction == Direction::Export)
        return {true, Notice{"Esporta:", {"Sistema trasferito", "sull'unità con successo."}}};
    return {true, Notice{"Importa:",
                         {" Sistema trasferito:", "Nella Cartella del programma con successo."}}};
}

} // namespace varnelo
