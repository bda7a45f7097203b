#include "AboutDlg.h"

#include "SplashDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kIconSize = 48;

QLabel* PlainLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg() : QDialog(nullptr)
{
    setWindowTitle(tr("About Vantrel Orvandel"));

    // Neither the icon nor the texts take clicks, so a click on them reaches the box.
    auto* icon = new QLabel;
    icon->setPixmap(QPixmap(QString::fromLatin1(kIcon))
                        .scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setFixedSize(kIconSize, kIconSize);

    auto* okButton = new QPushButton(tr("OK"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(PlainLabel(tr("Vantrel Orvandel Version %1").arg(QStringLiteral(ORVANDEL_VERSION))), 0, 1);
    layout->addWidget(PlainLabel(tr("Copyright \u00A9 2026 Tessaly")), 1, 1);
    layout->addWidget(PlainLabel(tr("Su Doku help that explains every step it takes.")), 2, 1);
    layout->addWidget(PlainLabel(tr("Free software under the GNU General Public License, version 3 or "
                                    "later.")),
                      3, 1);
    layout->addWidget(okButton, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::ShowSplash()
{
    CSplashDlg splash;
    splash.exec();
}

void CAboutDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        ShowSplash();
    QDialog::mouseReleaseEvent(event);
}

void RunAboutDialog()
{
    CAboutDlg about;
    about.exec();
}
