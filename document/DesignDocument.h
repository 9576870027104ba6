#pragma once

// The whole design of one popup as one object: the template picture, the document size, the
// text objects, the close button with its scale and position, the behaviour settings and the
// output targets. The pages show and edit it; the composition, the script, the design file,
// undo and recovery read it. No widgets.

#include "designer/DesignModel.h"
#include "output/PopupSettings.h"
#include "output/PopupWriter.h"

#include <QByteArray>
#include <QFlags>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class Bitmap32;
class TPNGObject;

// A picture kept as the PNG bytes it is stored as, with the picture decoded from exactly those
// bytes, so what the design shows is what the design file holds. Both empty means none.
struct TDesignPicture {
    QByteArray Bytes;
    std::shared_ptr<const TPNGObject> Picture;

    bool IsNone() const noexcept { return !Picture; }
    bool operator==(const TDesignPicture &other) const { return Bytes == other.Bytes; }
};

// Decodes PNG bytes (raising the codec's error when they do not decode). Close-button pictures
// are given an alpha channel, as the close-button catalogue gives its own.
TDesignPicture DecodeDesignPicture(const QByteArray &bytes, bool createAlpha = false);
// The picture re-encoded and decoded again, so the bytes and the picture agree.
TDesignPicture DesignPictureOf(const TPNGObject &picture, bool createAlpha = false);

// True when both pictures have the same size and the same pixels (colour and alpha).
bool SamePicture(const TPNGObject &a, const TPNGObject &b);

// One text object as plain data.
struct TDesignText {
    QStringList Lines;
    TFontDesc Font;
    int32_t Angle = 0;
    int32_t X = 0;
    int32_t Y = 0;

    bool operator==(const TDesignText &other) const = default;
};

// Where "Add popup" and "Save files" write: the page to modify or create, and the folder.
struct TOutputTargets {
    QString ExistingFile;
    QString SaveToFolder;

    bool operator==(const TOutputTargets &other) const = default;
};

// Everything a design is made of, as a value: what the design file holds, what undo keeps and
// what recovery writes. Pictures are shared, so copying a state is cheap.
struct TDesignState {
    int DocumentSize = 500;
    TDesignPicture Template;
    // None means "No close button"; the scale and position stay for a later choice.
    TDesignPicture CloseButton;
    double CloseButtonScale = 1.0;
    int32_t CloseButtonX = 400;
    int32_t CloseButtonY = 50;
    std::vector<TDesignText> Texts;
    TPopupSettings Settings;
    TOutputTargets Output;

    bool operator==(const TDesignState &other) const = default;
};

// The parts of a design a change touched, as the document's Changed signal names them.
enum class TDesignPart : unsigned {
    Template = 1,
    Size = 2,
    Texts = 4,
    CloseButton = 8,
    Settings = 16,
    Output = 32,
};
Q_DECLARE_FLAGS(TDesignParts, TDesignPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDesignParts)

// The parts in which two designs differ.
TDesignParts DesignDifference(const TDesignState &a, const TDesignState &b);

// The design being made. Every change ends in Changed, with the parts it touched and a new
// revision, so views, the window's name mark and recovery follow the document instead of
// asking it.
class TDesignDocument : public QObject {
    Q_OBJECT
public:
    // A new design: size 500, no template, no texts, "No close button" at (400, 50), the
    // behaviour defaults and no output targets.
    TDesignDocument();
    ~TDesignDocument() override;
    TDesignDocument(const TDesignDocument &) = delete;
    TDesignDocument &operator=(const TDesignDocument &) = delete;

    // Side of the square popup picture: 150 to 500 in steps of 50.
    int DocumentSize = 500;
    // The objects; entry 0 is the close-button object, whose ButtonPicture is always
    // CloseButton().Picture. Which object is selected is the views' business.
    TDesignModel Model;
    TPopupSettings Settings;
    TOutputTargets Output;

    const TDesignPicture &Template() const noexcept { return m_template; }
    const TPNGObject *TemplatePicture() const noexcept { return m_template.Picture.get(); }
    void SetTemplate(TDesignPicture picture);

    const TDesignPicture &CloseButton() const noexcept { return m_closeButton; }
    // None chooses "No close button"; scale and position stay.
    void SetCloseButton(TDesignPicture picture);

    TDesignState Snapshot() const;
    // Replaces the whole design, as undo and redo do: the objects keep their places in the
    // list, so a view's selection stays on the object at the same place when there still is
    // one. Announces what changed.
    void Restore(const TDesignState &state);
    // Restore for another design (opened, new, recovered): then Replaced tells the views to
    // drop what they held of the design before (the selection).
    void Replace(const TDesignState &state);

    // A change made on the fields above, from the design before it: when anything differs,
    // the revision goes up and Changed names the parts. Returns the parts.
    TDesignParts Announce(const TDesignState &before);
    // Goes up by one with every announced change; never goes back, not even on undo.
    quint64 Revision() const noexcept { return m_revision; }

signals:
    void Changed(TDesignParts parts);
    void Replaced();

private:
    quint64 m_revision = 0;
    TDesignPicture m_template;
    TDesignPicture m_closeButton;
};

// Resamples picture into templateBitmap as a side x side square, proportions not kept.
void RenderTemplate(const TPNGObject &picture, int side, Bitmap32 &templateBitmap);

// Composes the popup of a document for the file writer: the template at DocumentSize (a
// transparent square without one), then the objects. The picture and PNG object are the
// caller's, so a window can keep showing them.
class TDocumentPopupSource : public TPopupSource {
public:
    TDocumentPopupSource(const TDesignDocument &document, Bitmap32 &templateBitmap,
                         TPNGObject &outputPicture);
    TComposedPopup ComposePopupImage() override;
    int DocumentSize() const override;
    TPopupSettings PopupSettings() const override;
    QString DesignText() const override;
    bool ComposeSharpImage(TPNGObject &picture) override;

private:
    const TDesignDocument &m_document;
    Bitmap32 &m_templateBitmap;
    TPNGObject &m_outputPicture;
};
