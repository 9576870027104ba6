#pragma once

// Web pages and script files as single-byte text: every byte passes unchanged, lines break at
// CR LF, lone CR or lone LF, and every line written ends with CR LF.

#include <QByteArray>
#include <QString>

#include <optional>

// Splits at CR LF, CR and LF and ends every line with CR LF (no final empty line is added).
QByteArray NormalizeLineBreaks(const QByteArray &text);

// The folder name as a relative address: letters, digits and "-._~" stay, every other byte
// is percent-encoded, so a blank, quote, "#" or ">" in a name can break neither the tag's
// unquoted src nor the address.
QByteArray FolderAddress(const QString &scriptFolderName);

// "<!-- POPUP --><script src=" + FolderAddress + "/script.js></script><!-- END -->".
QByteArray ScriptTag(const QString &scriptFolderName);

// The page with the tag in place: the first marker block (an end marker and the nearest start
// marker before it) is replaced at its position; otherwise the tag goes right behind the first
// "<body...>" tag, or at the end of the page. Stray markers stay as they are, and running it
// again on its own result gives the same page.
// Without a page, a new three-line page holds the tag. The result has CR LF line ends.
QByteArray InsertPopupTag(const std::optional<QByteArray> &page, const QByteArray &tag);

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
// folder + name, with a separator only when folder does not end in one.
QString JoinPath(const QString &folder, const QString &name);

// Reads a whole file; "Cannot open file" when it cannot be read.
QByteArray ReadFileBytes(const QString &path);
// Writes a file to a new file beside it and renames it over the old one, so a failure leaves
// any earlier file whole; "Cannot create file" on failure. A durable write also waits until
// the bytes are on the disk before the rename (the user's page); files the program can make
// again skip that wait.
void WriteFileBytes(const QString &path, const QByteArray &bytes, bool durable = true);
