#include "shell/tcodbimage.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImageReader>
#include <QImageWriter>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace vintora::shell {

namespace {

// Metafiles are kept as bytes: Qt has no reader for them, but they must survive a paste.
const QStringList metafileTypes = {QStringLiteral("image/x-wmf"), QStringLiteral("image/wmf"),
                                   QStringLiteral("image/x-emf"), QStringLiteral("image/emf")};
// Encoded pictures taken as they come when the clipboard offers them first.
const QStringList keptTypes = {QStringLiteral("image/jpeg"), QStringLiteral("image/gif")};

} // namespace

TcoDBImage::TcoDBImage(QWidget* parent)
    : QFrame(parent)
    , m_link(new ui::FieldLink([this](const QVariant& v, bool a) { showField(v, a); }, this))
{
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(32, 32);
}

void TcoDBImage::bind(ui::DataSource* source, const QString& field)
{
    m_link->bind(source, field);
}

TcoDBImage::PictureKind TcoDBImage::kindOf(const QByteArray& data)
{
    if (data.size() < 2)
        return PictureKind::None;
    const auto b0 = quint8(data[0]), b1 = quint8(data[1]);
    if (b0 == 'B' && b1 == 'M')
        return PictureKind::Bitmap;
    if (b0 == 0xFF && b1 == 0xD8)
        return PictureKind::Jpeg;
    if (b0 == 0xD7 && b1 == 0xCD)
        return PictureKind::Metafile;
    if (b0 == 0x00 && b1 == 0x00)
        return PictureKind::Icon;
    return PictureKind::Other;
}

QImage TcoDBImage::decode(const QByteArray& data)
{
    QByteArray format;
    switch (kindOf(data)) {
    case PictureKind::None:
    case PictureKind::Metafile:
        return {};
    case PictureKind::Bitmap: format = "BMP"; break;
    case PictureKind::Jpeg: format = "JPEG"; break;
    case PictureKind::Icon: format = "ICO"; break;
    case PictureKind::Other: break; // the readers look at the content themselves
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    return reader.read();
}

QByteArray TcoDBImage::toJpeg(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setQuality(90);
    // JPEG has no alpha: flatten transparent pixels onto white, not black.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    if (!writer.write(flat))
        return {};
    return out;
}

bool TcoDBImage::canModify() const
{
    return !m_readOnly && m_link->isActive() && !m_link->fieldReadOnly() && m_link->dataSet() &&
           !m_link->dataSet()->isReadOnly();
}

void TcoDBImage::showField(const QVariant& value, bool active)
{
    m_data = active ? value.toByteArray() : QByteArray();
    m_kind = kindOf(m_data);
    m_image = decode(m_data);
    if (!m_link->dataSet() || !m_link->dataSet()->isEditing())
        m_canUndo = false;
    update();
}

bool TcoDBImage::store(const QByteArray& data)
{
    const QVariant before = m_link->value();
    if (!m_link->write(data))
        return false;
    if (!m_canUndo) {
        m_undo = before;
        m_canUndo = true;
    }
    // The link does not echo the control's own writes.
    showField(m_link->value(), true);
    return true;
}

void TcoDBImage::copyToClipboard() const
{
    if (m_data.isEmpty())
        return;
    auto* mime = new QMimeData;
    if (!m_image.isNull())
        mime->setImageData(m_image);
    if (m_kind == PictureKind::Metafile)
        mime->setData(metafileTypes.first(), m_data);
    else if (m_kind == PictureKind::Jpeg)
        mime->setData(QStringLiteral("image/jpeg"), m_data);
    QApplication::clipboard()->setMimeData(mime);
}

bool TcoDBImage::pasteFromClipboard()
{
    if (!canModify())
        return false;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime)
        return false;
    for (const QString& type : metafileTypes) {
        if (mime->hasFormat(type))
            return store(mime->data(type));
    }
    // The first picture type offered is the source's own form: JPEG and GIF are taken as they
    // are; anything else is pixels (a bitmap, a PNG screenshot) and becomes a JPEG.
    QImage image;
    for (const QString& type : mime->formats()) {
        if (!type.startsWith(QLatin1String("image/")))
            continue;
        const QByteArray bytes = mime->data(type);
        if (keptTypes.contains(type) && !decode(bytes).isNull())
            return store(bytes);
        image = QImage::fromData(bytes);
        break;
    }
    if (image.isNull() && mime->hasImage())
        image = qvariant_cast<QImage>(mime->imageData());
    if (image.isNull())
        return false;
    const QByteArray jpeg = toJpeg(image);
    // A picture that cannot be encoded leaves the field as it was.
    if (jpeg.isEmpty())
        return false;
    return store(jpeg);
}

void TcoDBImage::undo()
{
    if (!m_canUndo)
        return;
    const QVariant before = m_undo;
    m_canUndo = false;
    if (m_link->write(before))
        showField(m_link->value(), true);
}

void TcoDBImage::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_image.isNull())
        return;
    QPainter p(this);
    const QRect area = contentsRect();
    QSize size = m_image.size();
    if (m_zoomToFit)
        size.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(area.topLeft(), size);
    if (m_center)
        target.moveCenter(area.center());
    p.setRenderHint(QPainter::SmoothPixmapTransform, !m_quickDraw);
    p.setClipRect(area);
    p.drawImage(target, m_image);
}

void TcoDBImage::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFromClipboard();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_canUndo) {
        undo();
        return;
    }
    QFrame::keyPressEvent(event);
}

void TcoDBImage::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    QFrame::mousePressEvent(event);
}

} // namespace vintora::shell
