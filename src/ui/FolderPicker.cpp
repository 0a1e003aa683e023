#include "ui/FolderPicker.h"

#include "ui/DialogParts.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

FolderPicker::FolderPicker(const QStringList& filters, QWidget* parent)
    : QWidget(parent), filters_(filters) {
    folder_ = new QLineEdit(QDir::homePath(), this);
    folder_->setObjectName("Dir1");
    auto* browse = namedButton("Sfoglia...", "CommSfoglia", this);
    files_ = new QListWidget(this);
    files_->setObjectName("File1");
    files_->setMinimumHeight(90);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Cartella:", this));
    row->addWidget(folder_, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(files_, 1);

    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, "Scegli la cartella", folder());
        if (!chosen.isEmpty())
            setFolder(chosen);
    });
    connect(folder_, &QLineEdit::textChanged, this, [this] {
        refresh();
        Q_EMIT folderChanged();
    });
    refresh();
}

QString FolderPicker::folder() const {
    return folder_->text().trimmed();
}

void FolderPicker::setFolder(const QString& folder) {
    folder_->setText(QDir::toNativeSeparators(folder));
}

void FolderPicker::refresh() {
    files_->clear();
    const QDir dir(folder());
    if (!folder().isEmpty() && dir.exists())
        files_->addItems(dir.entryList(filters_, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

} // namespace varnelo
