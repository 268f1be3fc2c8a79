// SPDX-License-Identifier: MIT
#include "app/aboutbox.h"

#include "app/version.h"

#include <QCoreApplication>
#include <QMessageBox>

void showAboutBox(const QString &caption, const QString &programTitle, QWidget *window)
{
    // The caption names the program and its version; the version record gives the file version.
    auto *about = new QMessageBox(
        QMessageBox::Information, caption,
        QCoreApplication::translate(
            "AboutBox", "<p><b>%1</b><br>File version %2</p>"
                        "<p>A speech timer for public-speaking clubs: its light turns green, "
                        "yellow and red as the speaker passes each threshold.</p>"
                        "<p>Copyright the LecternWorks Timer developers.<br>"
                        "Released under the MIT licence.</p>")
            .arg(programTitle.toHtmlEscaped(), Version::FileVersion),
        QMessageBox::Ok, window);
    about->setObjectName(QStringLiteral("aboutBox"));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->open();
}
