#pragma once

// Web pages and script files as single-byte text: every byte passes unchanged. A user's page
// keeps its bytes outside the popup block exactly (line ends, a byte-order mark, a missing final
// line break); script files are written with CR LF line ends.

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// Splits at CR LF, CR and LF and ends every line with CR LF (no final empty line is added).
QByteArray NormalizeLineBreaks(const QByteArray &text);

// The folder name as a relative address: letters, digits and "-._~" stay, every other byte
// is percent-encoded, so a blank, quote, "#" or ">" in a name can break neither the tag's
// unquoted src nor the address.
QByteArray FolderAddress(const QString &scriptFolderName);

// "<!-- POPUP --><script src=" + FolderAddress + "/script.js></script><!-- END -->".
QByteArray ScriptTag(const QString &scriptFolderName);

// The markers that frame the script tag of a popup in a page.
inline constexpr char PopupStartMarker[] = "<!-- POPUP -->";
inline constexpr char PopupEndMarker[] = "<!-- END -->";

// A popup block: a start marker, then nothing but blanks and at most one script element (with
// nothing but blanks inside it), then an end marker. That is what Add popup writes, so it is
// the only thing Add popup ever replaces.
struct TPopupBlock {
    qsizetype Start = 0; // of the start marker
    qsizetype End = 0;   // just behind the end marker
    // The script element's src value as written (quotes removed); empty without one.
    QByteArray Source;
};

// The page's markers, read the same way by Add popup and by the opening of a published design,
// so that a page Add popup succeeded on always opens. Markers are the exact bytes of the two
// comments, wherever they stand. Taken in page order:
// - a start marker directly followed by an end marker (no other marker between) is a pair;
// - a pair around a block is a block, a pair around anything else is a mismatch: a page with a
//   mismatch is refused with the lines of both markers, and changed in no byte;
// - every other marker (a start marker followed by another start marker or by none, an end
//   marker that does not directly follow a start marker) is the page's own comment: it frames
//   nothing, so nothing is ever removed because of it, and it stays where it is.
// Add popup replaces the first block.
struct TPopupMarkers {
    std::vector<TPopupBlock> Blocks;
    // The line numbers (from 1) of the start and the end marker of each mismatched pair.
    std::vector<std::pair<int, int>> Mismatches;

    // "Its popup markers on lines 3 and 40, and on line 52 do not pair: ..." (the first few).
    QString MismatchReason() const;
};
TPopupMarkers ReadPopupMarkers(const QByteArray &page);

// The page with the tag in place: the first block is replaced where it stands; otherwise the tag
// goes right behind the page's body start tag, found as HTML reads it (not in comments, in
// quoted attribute values, or in the text of script, style, title, textarea and the other raw
// text elements); otherwise it becomes the last line. Every byte outside the block stays, and
// the only line end added (before or after a last-line tag) is the page's own, CR LF in a page
// that has none. Running it again on its own result gives the same page. Without a page, a new
// three-line page with CR LF holds the tag. A mismatched marker pair raises an error naming
// path and the pair's lines, and nothing is changed. The result may be built in the memory of
// storage (its bytes do not matter), so that a caller changing many pages can use one buffer
// again rather than have new memory for each.
QByteArray InsertPopupTag(const std::optional<QByteArray> &page, const QByteArray &tag,
                          const QString &path, QByteArray storage = {});

// Where InsertPopupTag puts the tag in a page: the page's bytes from From to To are replaced by
// Added. For a caller that writes the page from its pieces rather than build it.
struct TPopupTagPlace {
    qsizetype From = 0;
    qsizetype To = 0;
    QByteArray Added;
};
TPopupTagPlace PopupTagPlace(const QByteArray &page, const QByteArray &tag, const QString &path);

// Refuses text stored in a wider encoding (UTF-16/UTF-32 byte-order marks, NUL bytes), which
// would be damaged by byte-wise editing.
void CheckSingleByteText(const QByteArray &text, const QString &path);

// The file name part of a path without its extension ("a.b.htm" gives "a.b").
QString FileBaseName(const QString &path);
// The last component of a folder path after trailing separators are removed; empty for "/".
QString ScriptFolderNameOf(const QString &folder);
// The output folder of "Add popup": beside the page, named after it, with ".popup". A page
// named without a folder is taken relative to the working directory.
QString PopupFolderForPage(const QString &page);
// The path of name inside folder, with one separator between them (an empty folder is the
// working directory).
QString JoinPath(const QString &folder, const QString &name);

// Reads a whole file; "Cannot open file" when it cannot be read.
QByteArray ReadFileBytes(const QString &path);
// A file replaced in two steps: the constructor makes the new file beside the old one, so that
// a file that cannot be replaced is known before anything else is written, and Commit writes the
// bytes, waits until they are on the disk and renames the new file over the old one. Without a
// commit, the old file stays as it was. "Cannot create file" on failure.
class TFileReplacement {
public:
    explicit TFileReplacement(const QString &path);
    void Commit(const QByteArray &bytes);

private:
    [[noreturn]] void Fail();

    QString m_path;
    QSaveFile m_file;
};

// Writes a file to a new file beside it and renames it over the old one, so a failure leaves
// any earlier file whole; "Cannot create file" on failure. A durable write also waits until
// the bytes are on the disk before the rename (the user's page); files the program can make
// again skip that wait.
void WriteFileBytes(const QString &path, const QByteArray &bytes, bool durable = true);
