#pragma once
#include "platform/ui/fieldlink.h"

#include <QByteArray>
#include <QFrame>
#include <QImage>

namespace vintora::shell {

// A data-aware picture box for covers and photographs. The blob's first bytes tell its kind;
// Ctrl+C copies the picture, Ctrl+V pastes one into an editable field (pixels are stored as
// JPEG, encoded pictures and metafiles as they come), Escape undoes the last change.
class TcoDBImage : public QFrame {
    Q_OBJECT
public:
    enum class PictureKind { None, Bitmap, Jpeg, Metafile, Icon, Other };

    explicit TcoDBImage(QWidget* parent = nullptr);

    void bind(ui::DataSource* source, const QString& field);
    ui::FieldLink* link() const { return m_link; }

    // "BM" bitmap, FF D8 JPEG, D7 CD placeable metafile, 00 00 icon; anything else is left to
    // the image readers (PNG, GIF ...).
    static PictureKind kindOf(const QByteArray& data);
    // Decodes a blob by its kind; a null image when it cannot be shown (a metafile, damage).
    static QImage decode(const QByteArray& data);
    // The picture pixels as JPEG, the form every pasted bitmap is stored in.
    static QByteArray toJpeg(const QImage& image);

    const QImage& image() const { return m_image; }
    PictureKind kind() const { return m_kind; }

    void setCenter(bool on) { m_center = on; update(); }
    bool center() const { return m_center; }
    void setZoomToFit(bool on) { m_zoomToFit = on; update(); }
    bool zoomToFit() const { return m_zoomToFit; }
    // Fast scaling instead of smooth.
    void setQuickDraw(bool on) { m_quickDraw = on; update(); }
    bool quickDraw() const { return m_quickDraw; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    // The field can take a pasted picture now.
    bool canModify() const;

    void copyToClipboard() const;
    // Returns whether a picture was taken; a clipboard without one changes nothing.
    bool pasteFromClipboard();
    // Puts back the value the field had before the last paste.
    void undo();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Shows the field (named apart from QWidget::show, which it would hide).
    void showField(const QVariant& value, bool active);
    bool store(const QByteArray& data);

    ui::FieldLink* m_link;
    QByteArray m_data;
    QImage m_image;
    PictureKind m_kind = PictureKind::None;
    QVariant m_undo;
    bool m_canUndo = false;
    bool m_center = true;
    bool m_zoomToFit = true;
    bool m_quickDraw = false;
    bool m_readOnly = false;
};

} // namespace vintora::shell
