#include "document/DesignDocument.h"

#include "base/TemplatePicture.h"
#include "imaging/AdditionalPng.h"
#include "imaging/AlphaStretch.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "output/PopupComposer.h"

#include <QBuffer>

#include <vector>

TDesignPicture DecodeDesignPicture(const QByteArray &bytes, bool createAlpha)
{
    auto picture = std::make_shared<TPNGObject>();
    picture->loadFromData(bytes);
    if (createAlpha)
        CreateShownAlpha(*picture);
    return TDesignPicture{bytes, std::move(picture)};
}

TDesignPicture DesignPictureOf(const TPNGObject &picture, bool createAlpha)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.saveToStream(buffer);
    return DecodeDesignPicture(buffer.data(), createAlpha);
}

bool SamePicture(const TPNGObject &a, const TPNGObject &b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    std::vector<uint32_t> rowA(static_cast<size_t>(a.width())), rowB(rowA.size());
    try {
        for (int y = 0; y < a.height(); ++y) {
            a.argbScanline(y, rowA.data());
            b.argbScanline(y, rowB.data());
            if (rowA != rowB)
                return false;
        }
    } catch (const EVantelleError &) {
        return false;
    }
    return true;
}

TDesignParts DesignDifference(const TDesignState &a, const TDesignState &b)
{
    TDesignParts parts;
    if (!(a.Template == b.Template))
        parts |= TDesignPart::Template;
    if (a.DocumentSize != b.DocumentSize)
        parts |= TDesignPart::Size;
    if (a.Texts != b.Texts)
        parts |= TDesignPart::Texts;
    if (!(a.CloseButton == b.CloseButton) || a.CloseButtonScale != b.CloseButtonScale ||
        a.CloseButtonX != b.CloseButtonX || a.CloseButtonY != b.CloseButtonY)
        parts |= TDesignPart::CloseButton;
    if (!(a.Settings == b.Settings))
        parts |= TDesignPart::Settings;
    if (!(a.Output == b.Output))
        parts |= TDesignPart::Output;
    return parts;
}

TDesignDocument::TDesignDocument()
{
    Model.CreateCloseButtonObject(DocumentSize);
}

TDesignDocument::~TDesignDocument() = default;

void TDesignDocument::SetTemplate(TDesignPicture picture)
{
    m_template = std::move(picture);
}

void TDesignDocument::SetCloseButton(TDesignPicture picture)
{
    m_closeButton = std::move(picture);
    if (TMovingObject *button = Model.CloseButtonObject())
        button->ButtonPicture = m_closeButton.Picture.get();
}

TDesignState TDesignDocument::Snapshot() const
{
    TDesignState state;
    state.DocumentSize = DocumentSize;
    state.Template = m_template;
    state.Settings = Settings;
    state.Output = Output;
    for (const auto &object : Model.DesignObjects) {
        if (object->IsPicture) {
            if (object->ButtonPicture)
                state.CloseButton = m_closeButton;
            state.CloseButtonScale = object->ButtonScale;
            state.CloseButtonX = object->X;
            state.CloseButtonY = object->Y;
            continue;
        }
        state.Texts.push_back(
            TDesignText{object->Lines, object->Font, object->Angle, object->X, object->Y});
    }
    return state;
}

TDesignParts TDesignDocument::Announce(const TDesignState &before)
{
    const TDesignParts parts = DesignDifference(before, Snapshot());
    if (parts) {
        ++m_revision;
        emit Changed(parts);
    }
    return parts;
}

void TDesignDocument::Restore(const TDesignState &state)
{
    const TDesignState before = Snapshot();

    DocumentSize = state.DocumentSize;
    m_template = state.Template;
    Settings = state.Settings;
    Output = state.Output;

    // The close-button object keeps its identity; only the texts are made again, so a view's
    // selection by place stays on the object at the same place.
    if (Model.DesignObjects.empty())
        Model.CreateCloseButtonObject(DocumentSize);
    Model.DesignObjects.resize(1);
    TMovingObject &button = *Model.DesignObjects.front();
    m_closeButton = state.CloseButton;
    button.ButtonPicture = m_closeButton.Picture.get();
    button.ButtonScale = state.CloseButtonScale;
    button.X = state.CloseButtonX;
    button.Y = state.CloseButtonY;
    for (const TDesignText &text : state.Texts) {
        auto object = std::make_unique<TMovingObject>(DocumentSize);
        object->Lines = text.Lines;
        object->Font = text.Font;
        object->Angle = text.Angle;
        object->X = text.X;
        object->Y = text.Y;
        Model.DesignObjects.push_back(std::move(object));
    }
    Announce(before);
}

void TDesignDocument::Replace(const TDesignState &state)
{
    Restore(state);
    emit Replaced();
}

void RenderTemplate(const TPNGObject &picture, int side, Bitmap32 &templateBitmap)
{
    RenderTemplatePicture(picture, side, templateBitmap);
}

TDocumentPopupSource::TDocumentPopupSource(const TDesignDocument &document,
                                           Bitmap32 &templateBitmap, TPNGObject &outputPicture)
    : m_document(document), m_templateBitmap(templateBitmap), m_outputPicture(outputPicture)
{
}

TComposedPopup TDocumentPopupSource::ComposePopupImage()
{
    const int side = m_document.DocumentSize;
    if (const TPNGObject *picture = m_document.TemplatePicture()) {
        RenderTemplate(*picture, side, m_templateBitmap);
    } else {
        // No template: the popup is only what is drawn on it.
        m_templateBitmap.setSize(0, 0);
        m_templateBitmap.setSize(side, side);
    }
    const TPixelRect closeArea =
        ::ComposePopupImage(m_templateBitmap, m_document.Model, side, m_outputPicture);
    return TComposedPopup{m_templateBitmap, m_outputPicture, closeArea};
}

int TDocumentPopupSource::DocumentSize() const
{
    return m_document.DocumentSize;
}

TPopupSettings TDocumentPopupSource::PopupSettings() const
{
    return m_document.Settings;
}

QString TDocumentPopupSource::DesignText() const
{
    return DesignReadingText(m_document.Model);
}

bool TDocumentPopupSource::ComposeSharpImage(TPNGObject &picture)
{
    ComposeSharpPopupImage(m_document.TemplatePicture(), m_document.Model, m_document.DocumentSize,
                           picture);
    return true;
}
