#include "Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include "BackEnd.h"
#include "QtNative.h"

namespace tk {

std::optional<std::string> backend::ShowSelectDirectory(const SelectDirectoryRequest& request) {
    QWidget* owner =
        request.parent ? WidgetOf(*request.parent)->window() : QApplication::activeWindow();
    QFileDialog dialog(owner, QStringLiteral("选择文件夹"));
    // Qt's own dialog: the platform's may lack the new-folder button or the caption.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setLabelText(QFileDialog::LookIn, FromUtf8(request.caption));
    // The shared code has emptied `directory` unless it names an existing folder. The root
    // is only where the dialog starts; Qt's dialog cannot be kept below it.
    if (!request.directory.empty()) {
        dialog.setDirectory(FromUtf8(request.directory));
    } else if (!request.root.empty()) {
        dialog.setDirectory(FromUtf8(request.root));
    } else {
        dialog.setDirectory(QDir::homePath());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    // cleanPath drops a trailing separator but keeps a root's.
    return ToUtf8(QDir::toNativeSeparators(QDir::cleanPath(chosen.front())));
}

}  // namespace tk
