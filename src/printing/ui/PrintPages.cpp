#include "printing/ui/PrintPages.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace varnelo {

namespace {

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(static_cast<QRgb>(value | 0xFF000000U));
}

QString qtext(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Twips as painter units, from the page's top-left corner.
void useTwips(QPainter& painter) {
    const QPaintDevice* d = painter.device();
    painter.resetTransform();
    painter.scale(d->logicalDpiX() / double(kTwipsPerInch),
                  d->logicalDpiY() / double(kTwipsPerInch));
}

bool setPage(QPagedPaintDevice& device, const QPageSize& size, QPageLayout::Orientation o,
             const QMarginsF& margins) {
    return device.setPageLayout(QPageLayout(size, o, margins, QPageLayout::Millimeter));
}

QFont courier(int points) {
    QFont font("Courier New", points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

QSizeF slipPageInches(const SlipShift& shift) {
    const int width = SlipGeometry::width + (shift.entry == SlipEntry::Centre ? kCentreShift : 0);
    return {width / double(kTwipsPerInch), SlipGeometry::height / double(kTwipsPerInch)};
}

void paintSlip(QPainter& painter, const SlipJob& job, const PrintBuffer& buffer) {
    using G = SlipGeometry;
    painter.save();
    useTwips(painter);
    if (job.outline) {
        const int left = job.shift.entry == SlipEntry::Centre ? kCentreShift : 0;
        painter.setPen(QPen(QColor(200, 60, 60), 15));
        painter.setBrush(QColor(255, 244, 240));
        painter.drawRoundedRect(QRect(left, 0, G::width, G::height), 120, 120);
        painter.setBrush(Qt::NoBrush);
        QFont small("Sans");
        small.setPixelSize(110); // twips: the slip's own small print
        painter.setFont(small);
        const SlipLayout slip = defaultSlipLayout();
        for (int grid = 1; grid <= kSlipGrids; ++grid)
            for (int cell = 1; cell <= kGridCells; ++cell) {
                const TwipPoint b = boxCorner(slip, grid, cell);
                const QRect box(left + b.x, b.y, G::boxWidth, G::boxHeight);
                painter.drawRect(box);
                // Numbers, then the Numeroni 1..10 in cells 51..60.
                if (cell <= 49 || (cell > 50 && cell <= 60))
                    painter.drawText(box, Qt::AlignCenter,
                                     QString::number(cell <= 49 ? cell : cell - 50));
            }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb(markColour(job.mode)));
    for (const Mark& m : slipMarks(job.layout, buffer, job.shift))
        painter.drawRect(QRect(m.x, m.y, m.width, m.height));
    painter.restore();
}

namespace {

void setSlipPage(QPagedPaintDevice& device, const SlipShift& shift) {
    setPage(device,
            QPageSize(slipPageInches(shift), QPageSize::Inch, QString(), QPageSize::ExactMatch),
            QPageLayout::Portrait, {});
}

} // namespace

void paintSlipPage(QPagedPaintDevice& device, const SlipJob& job, const PrintBuffer& buffer) {
    setSlipPage(device, job.shift);
    QPainter painter;
    if (!painter.begin(&device))
        return;
    paintSlip(painter, job, buffer);
    painter.end();
}

QImage slipPicture(const SlipJob& job, const PrintBuffer& buffer, int dotsPerInch) {
    const QSizeF inches = slipPageInches(job.shift);
    QImage picture(qRound(inches.width() * dotsPerInch), qRound(inches.height() * dotsPerInch),
                   QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSlip(painter, job, buffer);
    return picture;
}

SlipPages::SlipPages(QPagedPaintDevice& device, const SlipJob& job)
    : device_(device), job_(job), painter_(std::make_unique<QPainter>()) {
    job_.perSlip = std::clamp(job_.perSlip, 1, kSlipGrids);
    setSlipPage(device, job.shift);
    painter_->begin(&device);
}

SlipPages::~SlipPages() {
    finish();
}

bool SlipPages::ok() const {
    return painter_->isActive();
}

void SlipPages::add(const Column& c) {
    slip_.push_back(c);
    if (static_cast<int>(slip_.size()) == job_.perSlip)
        drawSlip();
}

void SlipPages::drawSlip() {
    if (!ok())
        return;
    if (pages_ > 0)
        device_.newPage();
    fillSlip(buffer_, slip_);
    paintSlip(*painter_, job_, buffer_);
    slip_.clear();
    ++pages_;
}

void SlipPages::finish() {
    if (!slip_.empty())
        drawSlip();
    if (ok())
        painter_->end();
}

struct ListingPages::State {
    QPagedPaintDevice& device;
    QPainter painter;
    int lineHeight = 0;
    int perPage = 0;
    int onPage = 0;
    int pages = 0;
    explicit State(QPagedPaintDevice& d) : device(d) {}
};

ListingPages::ListingPages(QPagedPaintDevice& device, ListingSize size)
    : d_(std::make_unique<State>(device)) {
    setPage(device, QPageSize(QPageSize::A4), QPageLayout::Landscape, {10, 10, 10, 10});
    if (!d_->painter.begin(&device))
        return;
    d_->painter.setFont(courier(listingFontPoints(size)));
    d_->lineHeight = d_->painter.fontMetrics().lineSpacing();
    d_->perPage = std::max(1, d_->painter.viewport().height() / d_->lineHeight - 1);
}

ListingPages::~ListingPages() {
    finish();
}

bool ListingPages::ok() const {
    return d_->painter.isActive();
}

void ListingPages::line(const std::string& text) {
    if (!ok())
        return;
    if (d_->onPage == d_->perPage) {
        d_->device.newPage();
        d_->onPage = 0;
    }
    if (d_->onPage == 0)
        ++d_->pages;
    const int y = (d_->onPage + 1) * d_->lineHeight;
    d_->painter.drawText(0, y, qtext(text));
    ++d_->onPage;
}

void ListingPages::finish() {
    if (ok())
        d_->painter.end();
}

int ListingPages::pages() const {
    return d_->pages;
}

void paintReceipt(QPainter& painter, const QRect& page, const std::vector<ReceiptLine>& lines,
                  const std::array<std::uint32_t, 11>& colours, const QImage& picture) {
    const int pictureWidth = picture.isNull() ? 0 : page.width() / 3;
    if (!picture.isNull())
        painter.drawImage(QRect(page.right() - pictureWidth, page.top(), pictureWidth,
                                picture.height() * pictureWidth / std::max(1, picture.width())),
                          picture);
    QFont font("Sans", 12);
    painter.setFont(font);
    const int step = painter.fontMetrics().lineSpacing() * 3 / 2;
    int y = page.top();
    for (const ReceiptLine& l : lines) {
        font.setBold(l.role == ReceiptRole::ShopData || l.role == ReceiptRole::Cost);
        painter.setFont(font);
        painter.setPen(rgb(colours[static_cast<std::size_t>(l.role)]));
        painter.drawText(QRect(page.left(), y, page.width() - pictureWidth, step),
                         Qt::AlignLeft | Qt::AlignVCenter, qtext(l.text));
        y += step;
    }
}

void paintReceipt(QPagedPaintDevice& device, const std::vector<ReceiptLine>& lines,
                  const std::array<std::uint32_t, 11>& colours, const QImage& picture) {
    setPage(device, QPageSize(QPageSize::A5), QPageLayout::Landscape, {10, 10, 10, 10});
    QPainter painter;
    if (!painter.begin(&device))
        return;
    paintReceipt(painter, painter.viewport(), lines, colours, picture);
    painter.end();
}

} // namespace varnelo
