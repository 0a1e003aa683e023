#include "ui/Avviso.h"

#include "ui/DialogParts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace varnelo {

Avviso::Avviso(const Notice& notice, QWidget* parent) : QDialog(parent) {
    setObjectName("Avviso");
    setWindowTitle(QString::fromStdString(notice.title));
    auto* icon = new QLabel(this);
    const bool question = notice.kind == kNoticeYesNo || notice.kind == kNoticeYesNoCancel;
    icon->setPixmap(style()
                        ->standardIcon(question ? QStyle::SP_MessageBoxQuestion
                                                : QStyle::SP_MessageBoxInformation)
                        .pixmap(40, 40));
    icon->setAlignment(Qt::AlignTop);

    QStringList lines;
    for (const auto& l : notice.lines)
        lines << QString::fromStdString(l);
    auto* text = new QLabel(lines.join('\n'), this);
    text->setObjectName("Testo");
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    auto add = [&](const QString& caption, QDialogButtonBox::ButtonRole role, Reply r,
                   const char* name) {
        QPushButton* b = buttons->addButton(caption, role);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, r] {
            reply_ = r;
            done(r == Cancel ? QDialog::Rejected : QDialog::Accepted);
        });
        return b;
    };
    if (notice.kind == kNoticeYesNo || notice.kind == kNoticeYesNoCancel) {
        QPushButton* yes = add("Sì", QDialogButtonBox::YesRole, Yes, "Si");
        QPushButton* no = add("No", QDialogButtonBox::NoRole, No, "No");
        // Enter must never destroy: a destructive question answers "No".
        QPushButton* preferred = notice.destructive ? no : yes;
        preferred->setDefault(true);
        preferred->setFocus();
        if (notice.kind == kNoticeYesNoCancel)
            add("Annulla", QDialogButtonBox::RejectRole, Cancel, "Annulla");
    } else {
        add("OK", QDialogButtonBox::AcceptRole, Ok, "OK")->setDefault(true);
    }

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(8);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(340);
    fixDialogSize(this);
}

Avviso::Reply Avviso::ask(const Notice& notice, QWidget* parent) {
    Avviso dialog(notice, parent);
    dialog.exec();
    return dialog.reply();
}

void showNotices(const std::vector<Notice>& notices, QWidget* parent) {
    for (const Notice& n : notices)
        Avviso::ask(n, parent);
}

} // namespace varnelo
