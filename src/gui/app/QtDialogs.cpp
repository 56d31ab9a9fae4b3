#include "app/QtDialogs.h"

#include "about/ProgramInfo.h"
#include "app/DialogFilters.h"
#include "logdata/FileNames.h"
#include "print/PrinterChoice.h"

#include <QFileDialog>
#include <QMessageBox>

namespace osk {

namespace {

QString boxTitle(const std::string& title) {
    return QString::fromStdString(title.empty() ? std::string(kProgramTitle) : title);
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Texts come from language and log files: never let them be read as markup.
void plainText(QMessageBox& box, const std::string& text) {
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
}

} // namespace

void QtDialogs::message(const std::string& text, MessageIcon icon, const std::string& title) {
    QMessageBox box(boxIcon(icon), boxTitle(title), QString(), QMessageBox::Ok, parent_);
    plainText(box, text);
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, boxTitle(title), QString(),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    plainText(box, text);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::chooseOpenFile(const OpenFileRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title),
                       QString::fromStdString(request.initialFolder));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, true);
    const QStringList filters = toNameFilters(QString::fromStdString(request.filter));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int position =
            selectedFilterPosition(request.selectedFilter, static_cast<int>(filters.size()));
        dialog.selectNameFilter(filters[position]);
    }
    if (!request.rememberedPath.empty())
        dialog.selectFile(QString::fromStdString(request.rememberedPath));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : utf8FileName(chosen.front());
}

std::optional<SaveFileChoice> QtDialogs::chooseSaveFile(const SaveFileRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title),
                       QString::fromStdString(request.initialFolder));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = toNameFilters(QString::fromStdString(request.filter));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const QString& shown = filters[selectedFilterPosition(request.selectedFilter,
                                                              static_cast<int>(filters.size()))];
        dialog.selectNameFilter(shown);
        // A name typed without an extension gets that of the file type chosen, before the
        // dialog asks whether to replace an existing file of that name.
        dialog.setDefaultSuffix(filterSuffix(shown));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& f) { dialog.setDefaultSuffix(filterSuffix(f)); });
    }
    if (!request.proposedName.empty())
        dialog.selectFile(QString::fromStdString(request.proposedName));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    const auto position = filters.indexOf(dialog.selectedNameFilter());
    return SaveFileChoice{utf8FileName(chosen.front()), position < 0 ? 1 : int(position) + 1};
}

std::optional<int> QtDialogs::choosePrint() {
    if (printer_ == nullptr)
        return std::nullopt;
    return printer_->choose(parent_);
}

} // namespace osk
