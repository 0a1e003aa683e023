#pragma once

#include "core/ProgramFolder.h"

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

// A line of immagini/Cartella.txt: "theme<TAB>file".
struct ReceiptPicture {
    std::string theme;
    std::string file;
    bool operator==(const ReceiptPicture&) const = default;
};

// The pictures listed in immagini/Cartella.txt, lines without a tab left
// out; empty when the list cannot be read.
std::vector<ReceiptPicture> readReceiptPictures(const ProgramFolder& folder);

// The file (below immagini/) of the `serial`th receipt of a job with the
// picture of line `theme`: always that one ("Disegno sempre uguale."), or
// the next one of the list on every receipt ("Cambia disegno in ogni
// Cedolina."). Empty when the theme is not on the list.
std::string receiptPictureFile(const std::vector<ReceiptPicture>& pictures, int theme, bool change,
                               int serial);

} // namespace varnelo
