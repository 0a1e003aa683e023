#include "printing/Receipt.h"

#include "core/TextFile.h"
#include "printing/Listing.h"

#include <algorithm>

namespace varnelo {

std::string shopIntroduction(const std::string& kindText) {
    static const std::array<const char*, 6> kinds = {
        " Ricevitoria di:", " Bar di:",         " Tabacchi di:",
        " Edicola di:",     " Ricevitoria di:", " Ricevitoria di:"};
    int kind = 0;
    if (kindText.size() == 1 && kindText[0] >= '0' && kindText[0] <= '5')
        kind = kindText[0] - '0';
    return kinds[static_cast<std::size_t>(kind)];
}

std::string euroText(std::int64_t cents) {
    const std::int64_t c = cents % 100;
    return "€ " + std::to_string(cents / 100) + "," + (c < 10 ? "0" : "") + std::to_string(c);
}

std::vector<ReceiptLine> receiptLines(const ReceiptContent& c) {
    std::string numbers, fixed;
    for (int n : c.numbers)
        numbers += numberField(n);
    for (int n : c.fixed)
        fixed += numberField(n);
    std::vector<ReceiptLine> out = {
        {ReceiptRole::ShopData, shopIntroduction(c.shop[1]) + " " + c.shop[0] + " " + c.shop[7]},
        {ReceiptRole::ShopData, "Via: " + c.shop[2] + "    Tel. " + c.shop[3]},
        {ReceiptRole::SystemData, "Nome Sistema = " + c.systemName},
        {ReceiptRole::SystemData, "Colonne            =" + numberField(c.columns)},
        {ReceiptRole::SystemData,
         " Numeri Con" + numberField(static_cast<long long>(c.numbers.size())) + " Fisse" +
             numberField(static_cast<long long>(c.fixed.size())) +
             (fixed.empty() ? "" : ":" + fixed)},
        {ReceiptRole::Numbers, "Numeri in Gioco:" + numbers},
        {ReceiptRole::Cost, "Costo: " + euroText(c.costCents)},
    };
    if (!c.shop[4].empty())
        out.push_back({ReceiptRole::Advert, c.shop[4]});
    if (!c.shop[5].empty())
        out.push_back({ReceiptRole::Personal, c.shop[5]});
    return out;
}

std::vector<ReceiptPicture> readReceiptPictures(const ProgramFolder& folder) {
    std::string text, error;
    std::vector<ReceiptPicture> pictures;
    if (!readTextFile(folder.path("immagini/Cartella.txt"), 64 * 1024, text, error))
        return pictures;
    for (std::string_view line : splitLines(text)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        const std::string_view file = trimBlanks(line.substr(tab + 1));
        if (!file.empty())
            pictures.push_back({std::string(trimBlanks(line.substr(0, tab))), std::string(file)});
    }
    return pictures;
}

std::string receiptPictureFile(const std::vector<ReceiptPicture>& pictures, int theme, bool change,
                               int serial) {
    const auto count = static_cast<long long>(pictures.size());
    if (theme < 0 || theme >= count)
        return {};
    const long long at =
        change ? (theme + static_cast<long long>(std::max(0, serial))) % count : theme;
    return pictures[static_cast<std::size_t>(at)].file;
}

} // namespace varnelo
