#include "app/MemoFontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>

#include <iterator>

namespace {
struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen colours a font dialog's colour list offers.
const NamedColor kColors[] = {
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Чёрный"), 0x000000},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Бордовый"), 0x800000},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Зелёный"), 0x008000},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Оливковый"), 0x808000},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Тёмно-синий"), 0x000080},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Фиолетовый"), 0x800080},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Сине-зелёный"), 0x008080},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Серый"), 0x808080},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Серебристый"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Красный"), 0xFF0000},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Ярко-зелёный"), 0x00FF00},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Жёлтый"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Синий"), 0x0000FF},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Фуксия"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Голубой"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("MemoFontDialog", "Белый"), 0xFFFFFF},
};

QIcon swatch(const QColor& color) {
    QPixmap pixmap(12, 12);
    pixmap.fill(color);
    return QIcon(pixmap);
}
} // namespace

MemoFontDialog::MemoFontDialog(QWidget* parent) : QFontDialog(parent) {
    setOptions(QFontDialog::MonospacedFonts | QFontDialog::DontUseNativeDialog);

    colors_ = new QComboBox(this);
    colors_->setObjectName(QStringLiteral("ColorBox"));
    for (const NamedColor& c : kColors)
        colors_->addItem(swatch(QColor(c.rgb)), tr(c.name), QColor(c.rgb));
    auto* label = new QLabel(tr("Цвет:"), this);
    label->setBuddy(colors_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(colors_, 1);

    // The effects box is the one holding the strike-out and underline check boxes; the sample
    // box holds the sample line.
    QGroupBox* effects = nullptr;
    for (QGroupBox* box : findChildren<QGroupBox*>()) {
        if (!box->findChildren<QCheckBox*>().isEmpty())
            effects = box;
        else if (auto* line = box->findChild<QLineEdit*>())
            sample_ = line;
    }
    if (auto* effectsLayout = effects ? qobject_cast<QBoxLayout*>(effects->layout()) : nullptr)
        effectsLayout->addLayout(row);
    else if (auto* dialogLayout = qobject_cast<QGridLayout*>(layout()))
        dialogLayout->addLayout(row, dialogLayout->rowCount(), 0, 1, -1);

    connect(colors_, &QComboBox::currentIndexChanged, this, &MemoFontDialog::showSampleColor);
    connect(this, &QFontDialog::currentFontChanged, this, &MemoFontDialog::showSampleColor);
    setCurrentColor(Qt::black);
}

QFont MemoFontDialog::resolved(const QFont& font) {
    const QFontInfo info(font);
    QFont real(info.family(), info.pointSize());
    real.setStyleName(info.styleName());
    real.setWeight(QFont::Weight(info.weight()));
    real.setItalic(info.italic());
    real.setUnderline(font.underline());
    real.setStrikeOut(font.strikeOut());
    return real;
}

void MemoFontDialog::setMemoFont(const QFont& font) { setCurrentFont(resolved(font)); }

void MemoFontDialog::setCurrentColor(const QColor& color) {
    int index = colors_->findData(color);
    if (index < 0) {
        // A colour outside the list (the memos' own text colour of the desktop's palette) is
        // offered as it is, so confirming the dialog unchanged keeps it.
        constexpr int kListed = int(std::size(kColors));
        if (colors_->count() > kListed)
            colors_->removeItem(kListed);
        colors_->addItem(swatch(color), color.name(), color);
        index = colors_->count() - 1;
    }
    colors_->setCurrentIndex(index);
    showSampleColor();
}

QColor MemoFontDialog::selectedColor() const { return colors_->currentData().value<QColor>(); }

void MemoFontDialog::showSampleColor() {
    if (!sample_)
        return;
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::Text, selectedColor());
    sample_->setPalette(palette);
}
