// A flat button that shows only a picture, with a tooltip and the hand cursor; clicking it sends
// the usual clicked signal.
#pragma once

#include <QToolButton>

class CImageButton : public QToolButton {
    Q_OBJECT

public:
    explicit CImageButton(QWidget* parent = nullptr);

    // The picture at its own size; a missing picture leaves the button blank.
    void SetImage(const QString& picturePath);
    void SetTooltip(const QString& text);
    void SetMouseCursorHand();
};
