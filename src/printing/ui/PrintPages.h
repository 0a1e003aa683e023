#pragma once

#include "core/Numbers.h"
#include "printing/Listing.h"
#include "printing/Receipt.h"
#include "printing/SlipLayout.h"
#include "printing/SlipPages.h"

#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRect;
class QRectF;

namespace varnelo {

// A slip print: the layout, the calibration and the mode. `outline` draws
// the slip's boxes under the marks, for the screen.
struct SlipJob {
    SlipLayout layout = defaultSlipLayout();
    SlipShift shift;
    MarkMode mode = MarkMode::Black;
    int perSlip = 5;
    bool outline = false;
};

// The page of one slip in twips: the slip, plus the centring of a slip that
// enters the printer in the middle.
QSizeF slipPageInches(const SlipShift& shift);

// One slip on a painter whose unit is the twip: the outline when asked,
// then a filled rectangle per flagged cell in the mode's colour.
void paintSlip(QPainter& painter, const SlipJob& job, const PrintBuffer& buffer);

// One slip of `buffer` on a page of its own, as SlipPages draws each.
void paintSlipPage(QPagedPaintDevice& device, const SlipJob& job, const PrintBuffer& buffer);

// The same slip as a picture for the screen, `dotsPerInch` to the inch.
QImage slipPicture(const SlipJob& job, const PrintBuffer& buffer, int dotsPerInch);

// A page per slip: columns go in one at a time, and every full slip (and
// the last, partial one at finish) is drawn on a page of its own.
class SlipPages {
  public:
    SlipPages(QPagedPaintDevice& device, const SlipJob& job);
    ~SlipPages();
    SlipPages(const SlipPages&) = delete;
    SlipPages& operator=(const SlipPages&) = delete;
    bool ok() const;
    void add(const Column& c);
    void finish();
    std::int64_t pages() const { return pages_; }

  private:
    void drawSlip();

    QPagedPaintDevice& device_;
    SlipJob job_;
    std::unique_ptr<QPainter> painter_;
    std::vector<Column> slip_;
    PrintBuffer buffer_;
    std::int64_t pages_ = 0;
};

// The listing page by page in "Courier New": lines go in one at a time and a
// full page is drawn and left at once, so that a listing of any length
// never waits in memory.
class ListingPages {
  public:
    ListingPages(QPagedPaintDevice& device, ListingSize size);
    ~ListingPages();
    ListingPages(const ListingPages&) = delete;
    ListingPages& operator=(const ListingPages&) = delete;
    bool ok() const;
    void line(const std::string& text);
    void finish();
    int pages() const;

  private:
    struct State;
    std::unique_ptr<State> d_;
};

// The receipt: a landscape page of the shop's and the system's lines in
// their colours (0xRRGGBB by role) with the picture at the right, if any.
void paintReceipt(QPagedPaintDevice& device, const std::vector<ReceiptLine>& lines,
                  const std::array<std::uint32_t, 11>& colours, const QImage& picture);
// The same within `page` of any painter, for the screen.
void paintReceipt(QPainter& painter, const QRect& page, const std::vector<ReceiptLine>& lines,
                  const std::array<std::uint32_t, 11>& colours, const QImage& picture);

} // namespace varnelo
