#include "printing/Receipt.h"

#include "printing/Listing.h"

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

} // namespace varnelo
