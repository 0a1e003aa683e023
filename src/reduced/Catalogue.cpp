#include "reduced/Catalogue.h"

#include "core/ProgramFolder.h"
#include "reduced/CatalogueCodes.h"

#include <algorithm>

namespace varnelo {

Catalogue programCatalogue() {
    return Catalogue(catalogueFolder(shippedDataFolder(executableDir())));
}

const TableFile* Catalogue::family(const TableCode& f, std::string& error) const {
    const std::string name = familyFileName(f.family, f.rowLength, f.g, f.c);
    auto it = files_.find(name);
    if (it == files_.end()) {
        auto file = std::make_unique<TableFile>();
        if (!file->open(folder_ / name, error))
            file.reset();
        it = files_.emplace(name, std::move(file)).first;
    }
    if (!it->second && error.empty())
        error = "Catalogo dei ridotti non leggibile: " + name;
    return it->second.get();
}

bool Catalogue::table(const TableCode& code, PositionTable& out, std::string& error) const {
    const TableCode f = code.freeForm();
    const TableFile* file = family(f, error);
    if (!file)
        return false;
    if (file->rowLength() != f.rowLength || file->g() != f.g || file->c() != f.c) {
        error =
            "Catalogo dei ridotti danneggiato: " + familyFileName(f.family, f.rowLength, f.g, f.c);
        return false;
    }
    return file->table(f.n, out, error);
}

std::size_t Catalogue::rowCount(const TableCode& code) const {
    std::string error;
    const TableFile* file = family(code.freeForm(), error);
    const TableFile::Section* s = file ? file->section(code.n) : nullptr;
    return s ? s->rows : 0;
}

TableAnswer Catalogue::find(char familyLetter, std::string_view code, RowStore& store) const {
    TableAnswer answer;
    const std::string complete = completeCode(code);
    const auto& codes = catalogueCodes();
    // The codes are kept in group order, so the first match is the one the
    // groups would give when asked one after the other.
    const auto it = std::find_if(codes.begin(), codes.end(), [&](const TableCode& t) {
        return t.family == familyLetter && t.text() == complete;
    });
    if (it == codes.end())
        return answer;
    PositionTable t;
    if (!table(*it, t, answer.error))
        return answer;
    if (!store.load(t)) {
        answer.error = "Il ridotto " + complete + " supera la capacità delle righe";
        return answer;
    }
    answer.answer = "OK";
    answer.rows = t.rows();
    return answer;
}

TableAnswer Catalogue::findTable(std::string_view code, RowStore& store) const {
    return find('R', code, store);
}

TableAnswer Catalogue::findOrthogonalTable(std::string_view code, RowStore& store) const {
    return find('O', code, store);
}

} // namespace varnelo
