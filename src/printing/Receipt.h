#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnelo {

// The colour roles of the receipt, in the order of `OptColora`.
enum class ReceiptRole {
    Advert = 0,   // "Scritta Pubblic."
    TotalShare,   // "Quota Totale:"
    ShareText,    // "Quota Scritta:"
    ShareLine,    // "Quota Linea:"
    ShareNumbers, // "Quota numeri"
    Cost,         // "Costo:"
    SystemData,   // "Dati Sistema:"
    ShopData,     // "Dati Ricevitoria:"
    Personal,     // "Scritta Personale:"
    NumberBox,    // "Casella Numero:"
    Numbers       // "Numeri"
};

// What a receipt tells: the shop (enal/cedolina.txt) and the system.
struct ReceiptContent {
    // enal/cedolina.txt: name, kind 0..5, street, phone, advert, personal
    // text, picture flag, town.
    std::array<std::string, 8> shop;
    std::string systemName;
    std::int64_t columns = 0;
    std::vector<int> numbers; // in play, fixed ones included
    std::vector<int> fixed;
    std::int64_t costCents = 0;
};

struct ReceiptLine {
    ReceiptRole role;
    std::string text;
};

// " Ricevitoria di:", " Bar di:", ...; a kind out of 0..5 reads as 0.
std::string shopIntroduction(const std::string& kindText);
// "€ 12,50".
std::string euroText(std::int64_t cents);
// The lines of a receipt from top to bottom.
std::vector<ReceiptLine> receiptLines(const ReceiptContent& c);

} // namespace varnelo
