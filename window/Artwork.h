// The program's pictures, loaded from its resources. A picture that is missing shows as nothing.
#pragma once

#include <QIcon>
#include <QString>

namespace Artwork {
inline const QString kAppIcon = QStringLiteral(":/res/icon.png");
inline const QString kWebButton = QStringLiteral(":/res/web_button.png");
inline const QString kMenuOpen = QStringLiteral(":/res/menu_open.png");
inline const QString kMenuSaveAs = QStringLiteral(":/res/menu_save_as.png");
inline const QString kMenuPrint = QStringLiteral(":/res/menu_print.png");
inline const QString kMenuClear = QStringLiteral(":/res/menu_clear.png");
inline const QString kMenuReset = QStringLiteral(":/res/menu_reset.png");
inline const QString kMenuLogic = QStringLiteral(":/res/menu_logic.png");
inline const QString kMenuAbout = QStringLiteral(":/res/menu_about.png");

// The picture at path, or a null icon when there is none.
QIcon Load(const QString& path);
}  // namespace Artwork
