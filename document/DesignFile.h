#pragma once

// The design file (.vpopup): the whole design as JSON with its pictures inside, described in
// docs/design-file-format.md. Reading treats the file as outside bytes: every value is checked
// for type and range before anything is used, and a failure leaves the caller's design as it
// was.

#include "document/DesignDocument.h"
#include "imaging/VantelleError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The format number this version writes and the highest it reads.
constexpr int DesignFileFormat = 1;
// The name Add popup gives the design beside logo.png.
inline const QString DesignFileName = QStringLiteral("design.vpopup");

// Limits on what a design file may hold, beyond which it is refused as damaged or hostile.
namespace DesignLimits {
constexpr qint64 FileBytes = 64 * 1024 * 1024;
// Each picture's PNG bytes, after base64.
constexpr qsizetype PictureBytes = 16 * 1024 * 1024;
// A template or close button never needs more than the largest popup (500 x 500) at twice the
// density; more would only cost seconds and memory when the design opens.
constexpr qint64 PicturePixels = 1000 * 1000;
constexpr int Texts = 1000;
constexpr int LinesPerText = 1000;
constexpr qsizetype LineLength = 10000;
// All lines of all texts together: what the designer measures and draws on every redraw.
constexpr qsizetype TextCharacters = 100000;
constexpr qsizetype FaceLength = 256;
constexpr int Position = 1000000;
constexpr int Angle = 360;
constexpr double MaxScale = 4.0;
} // namespace DesignLimits

class TPNGObject;
// True when the close-button picture, drawn at scale (each side cut to a whole pixel), keeps
// within PicturePixels, as a close button shown at twice the density of the largest popup does.
bool CloseButtonFits(const TPNGObject &picture, double scale);

// "Cannot open design "<file>". <what is wrong>" or "Cannot save design "<file>". <reason>".
class EDesignFileError : public EVantelleError {
public:
    using EVantelleError::EVantelleError;
};

// The file's bytes: indented JSON, UTF-8.
QByteArray DesignFileBytes(const TDesignState &state);
// Writes beside and renames over, so a failure leaves any earlier file whole. A durable write
// waits until the bytes are on the disk before the rename.
void WriteDesignFile(const QString &path, const TDesignState &state, bool durable = true);

// Parses a design from bytes; fileName only names the file in messages.
TDesignState ParseDesignFile(const QByteArray &bytes, const QString &fileName);
TDesignState ReadDesignFile(const QString &path);

// Faces of the design that are not installed, each once with the installed face it is drawn in
// (the designer's look-alike, else its default face). The design keeps its own faces: each
// missing one is made a substitute for drawing, so that the designer and the written popup draw
// it in that face while the design file goes on naming the face it was made with.
std::vector<std::pair<QString, QString>> SubstituteMissingFaces(const TDesignState &state,
                                                                const QStringList &installedFaces);

// A page that loads a popup, the folder its tag names and the design file in that folder.
struct TPublishedPopup {
    QString Page;
    QString Folder;
    QString DesignFile;
};
// Finds the page's "<!-- POPUP -->" block, the script folder its tag names (relative to the
// page) and the design file in that folder; raises EDesignFileError when the page has no popup
// block or the folder no design.
TPublishedPopup FindPublishedPopup(const QString &page);
// True for the names Open design... takes as pages rather than design files.
bool IsPageFileName(const QString &path);

// Recovery: while a design has unsaved changes it is written to a file in the user's state
// folder ($XDG_STATE_HOME, else ~/.local/state, then "vantelle-pro"; see TRecoveryFiles), never
// beside the program. The file is a design file with one more key, the design file it belongs
// to.
void WriteRecoveryFile(const QString &path, const TDesignState &state, const QString &designFile);
struct TRecoveredDesign {
    TDesignState State;
    // Empty for a design that had never been saved.
    QString DesignFile;
};
TRecoveredDesign ReadRecoveryFile(const QString &path);
