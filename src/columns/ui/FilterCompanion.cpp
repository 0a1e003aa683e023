#include "columns/ui/FilterCompanion.h"

#include "columns/ui/FilterFields.h"
#include "columns/ui/FilterListDraft.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"

#include <QBoxLayout>
#include <QPushButton>

#include <algorithm>

namespace varnelo {

FilterCompanion::FilterCompanion(Shell& shell, FilterListDraft& draft, const QString& name,
                                 const QString& title)
    : ChildWindow(shell, name), draft_(draft) {
    setWindowTitle(title);
    connect(&draft_, &FilterListDraft::ended, this, [this] { closeWindow(); });
}

RangeBox* FilterCompanion::positionsBox(const QString& title, const QString& name) {
    auto* box = new RangeBox(title, "Dalla", "Alla", name, this);
    auto follow = [this, box] {
        const int count = std::max<int>(1, static_cast<int>(draft_.size()));
        box->setBounds(1, count);
        const auto [first, last] = draft_.marked();
        box->setValues(static_cast<int>(first), static_cast<int>(last));
    };
    follow();
    connect(&draft_, &FilterListDraft::markedChanged, box, follow);
    connect(&draft_, &FilterListDraft::listChanged, box,
            [this, box] { box->setBounds(1, std::max<int>(1, static_cast<int>(draft_.size()))); });
    return box;
}

void FilterCompanion::setContent(QBoxLayout* content, QPushButton* action) {
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (action) {
        action->setDefault(true);
        buttons->addWidget(action);
    }
    buttons->addWidget(close);
    content->addStretch();
    content->addLayout(buttons);
    setLayout(content);
}

bool FilterCompanion::accepted(const std::optional<Notice>& notice) {
    if (!notice)
        return true;
    Avviso::ask(*notice, this);
    return false;
}

} // namespace varnelo
