#pragma once

#include <QColor>
#include <QFontDialog>

class QComboBox;
class QLineEdit;

// The Archive tab's font dialog ("Шрифт"): fixed-pitch fonts only, with the effects strike-out,
// underline and colour. Qt's dialog has no colour of its own, so a colour list is added to its
// effects, as the engineers know it from other programs; the sample shows the chosen colour.
class MemoFontDialog : public QFontDialog {
    Q_OBJECT

public:
    explicit MemoFontDialog(QWidget* parent = nullptr);

    // Opens on `font` as the PC really draws it, so that confirming the dialog unchanged keeps
    // the memos as they are (a family the PC does not have, such as Courier New on Linux, is
    // shown as the family drawn in its place, with the style that family really has).
    void setMemoFont(const QFont& font);

    void setCurrentColor(const QColor& color);
    QColor selectedColor() const;

    // The font the PC draws for `font`: its real family, style and point size.
    static QFont resolved(const QFont& font);

private:
    void showSampleColor();

    QComboBox* colors_ = nullptr;
    QLineEdit* sample_ = nullptr;
};
