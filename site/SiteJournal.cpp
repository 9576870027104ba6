#include "site/SiteJournal.h"

#include "imaging/VantelleError.h"

#include <QCoreApplication>
#include <QList>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace {

constexpr uint64_t kHashMul = 0x9E3779B97F4A7C15ull;

inline uint64_t Word(const char *p)
{
    uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

} // namespace

// Four lanes of eight bytes, each mixed in with a multiply and a shift, so that the processor
// works on the four at once; then the lanes, the tail and the length.
void TPageHasher::Blocks(const char *p, size_t blocks)
{
    uint64_t a = m_lane[0], b = m_lane[1], c = m_lane[2], d = m_lane[3];
    for (; blocks > 0; --blocks, p += kBlock) {
        a = (a ^ Word(p)) * kHashMul;
        a ^= a >> 29;
        b = (b ^ Word(p + 8)) * kHashMul;
        b ^= b >> 29;
        c = (c ^ Word(p + 16)) * kHashMul;
        c ^= c >> 29;
        d = (d ^ Word(p + 24)) * kHashMul;
        d ^= d >> 29;
    }
    m_lane[0] = a;
    m_lane[1] = b;
    m_lane[2] = c;
    m_lane[3] = d;
}

TPageHasher &TPageHasher::Add(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return *this; // (its data may be no pointer at all)
    const char *p = bytes.data();
    size_t n = static_cast<size_t>(bytes.size());
    m_size += n;
    if (m_held > 0) {
        const size_t take = std::min(n, kBlock - m_held);
        std::memcpy(m_tail + m_held, p, take);
        m_held += take;
        p += take;
        n -= take;
        if (m_held < kBlock)
            return *this;
        Blocks(m_tail, 1);
        m_held = 0;
    }
    Blocks(p, n / kBlock);
    m_held = n % kBlock;
    std::memcpy(m_tail, p + n - m_held, m_held);
    return *this;
}

uint64_t TPageHasher::Finish() const
{
    uint64_t h = m_lane[0];
    for (int k = 1; k < 4; ++k) {
        h = (h ^ m_lane[k]) * kHashMul;
        h ^= h >> 29;
    }
    size_t i = 0;
    for (; i + 8 <= m_held; i += 8) {
        h = (h ^ Word(m_tail + i)) * kHashMul;
        h ^= h >> 29;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, m_tail + i, m_held - i);
    h = (h ^ tail) * kHashMul;
    h ^= h >> 32;
    h = (h ^ m_size) * kHashMul;
    h ^= h >> 29;
    return h;
}

uint64_t PageHash(const QByteArray &bytes)
{
    return TPageHasher().Add(bytes).Finish();
}

namespace {

QByteArray HashText(uint64_t hash)
{
    QByteArray text(16, Qt::Uninitialized);
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[i] = "0123456789abcdef"[hash & 15];
    return text;
}

// Whether a page name is written as it is: only letters, digits, "-._~" and "/".
bool PlainName(const QString &page)
{
    for (const QChar c : page) {
        const char16_t u = c.unicode();
        if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
              u == '-' || u == '.' || u == '_' || u == '~' || u == '/'))
            return false;
    }
    return true;
}

QByteArray BytesText(const QByteArray &bytes)
{
    return bytes.isEmpty() ? QByteArray("-") : bytes.toBase64();
}

QByteArray PageText(const QString &page)
{
    // Most names need no encoding.
    return PlainName(page) ? page.toLatin1() : QUrl::toPercentEncoding(page, "/");
}

} // namespace

QByteArray JournalHeader()
{
    return "vantelle-site-journal 1\n";
}

QByteArray JournalCookieLine(const QString &cookieName)
{
    return "cookie " + QUrl::toPercentEncoding(cookieName) + '\n';
}

QByteArray JournalRecordLine(const TJournalRecord &record)
{
    const TPageSplice &s = record.Splice;
    if (record.Type == TJournalRecord::TakeDown)
        return "takedown " + PageText(record.Page) + ' ' + HashText(s.Before) + ' ' +
               HashText(s.After) + '\n';
    return "publish " + PageText(record.Page) + ' ' + HashText(s.Before) + ' ' + HashText(s.After) +
           ' ' + QByteArray::number(s.Offset) + ' ' + BytesText(s.Removed) + ' ' +
           BytesText(s.Inserted) + '\n';
}

TSiteJournal ParseSiteJournal(const QByteArray &bytes, const QString &fileName)
{
    int lineNumber = 0;
    const auto damaged = [&](const char *what) {
        return EVantelleError(
            QCoreApplication::translate("SitePublisher",
                                        "The site journal \"%1\" is damaged at line %2: %3")
                .arg(fileName)
                .arg(lineNumber)
                .arg(QLatin1String(what)));
    };
    if (bytes.size() > JournalLimits::FileBytes)
        throw damaged("it is too large");
    TSiteJournal journal;
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            break; // the line a killed run was writing
        const QByteArrayView line = QByteArrayView(bytes).sliced(from, end - from);
        from = end + 1;
        ++lineNumber;
        const QList<QByteArrayView> fields = [&] {
            QList<QByteArrayView> list;
            for (qsizetype at = 0; at <= line.size();) {
                qsizetype space = line.indexOf(' ', at);
                if (space < 0)
                    space = line.size();
                list << line.sliced(at, space - at);
                at = space + 1;
            }
            return list;
        }();
        if (lineNumber == 1) {
            if (line != "vantelle-site-journal 1")
                throw damaged("it is not a site journal of this version");
            continue;
        }
        const auto hash = [&](QByteArrayView text) {
            bool ok = text.size() == 16;
            const uint64_t value = ok ? text.toULongLong(&ok, 16) : 0;
            for (const char c : text)
                ok = ok && ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'));
            if (!ok)
                throw damaged("a hash is not 16 hexadecimal digits");
            return value;
        };
        const auto page = [&](QByteArrayView text) {
            if (text.isEmpty() || text.size() > JournalLimits::PathLength)
                throw damaged("a page name is empty or too long");
            const QString name = text.contains('%') ? QUrl::fromPercentEncoding(text.toByteArray())
                                                    : QString::fromUtf8(text);
            if (name.startsWith(u'/') || name == QLatin1String("..") ||
                name.startsWith(QLatin1String("../")) || name.contains(QLatin1String("/../")) ||
                name.endsWith(QLatin1String("/..")) || name.contains(QChar(0)))
                throw damaged("a page lies outside the site");
            return name;
        };
        const auto data = [&](QByteArrayView text) {
            if (text == "-")
                return QByteArray();
            if (text.isEmpty() || text.size() > JournalLimits::SpliceBytes * 4 / 3 + 4)
                throw damaged("a change is empty or too large");
            const auto decoded = QByteArray::fromBase64Encoding(
                text.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                throw damaged("a change is not base64");
            return *decoded;
        };
        if (fields[0] == "cookie" && fields.size() == 2) {
            journal.CookieName = QUrl::fromPercentEncoding(fields[1].toByteArray());
            if (journal.CookieName.size() > 256)
                throw damaged("the cookie name is too long");
        } else if (fields[0] == "publish" && fields.size() == 7) {
            TJournalRecord record;
            record.Page = page(fields[1]);
            record.Splice.Before = hash(fields[2]);
            record.Splice.After = hash(fields[3]);
            bool ok = fields[4].size() <= 12;
            record.Splice.Offset = ok ? fields[4].toLongLong(&ok) : 0;
            if (!ok || record.Splice.Offset < 0 || fields[4].startsWith('+'))
                throw damaged("an offset is not a number");
            record.Splice.Removed = data(fields[5]);
            record.Splice.Inserted = data(fields[6]);
            journal.Records.push_back(std::move(record));
        } else if (fields[0] == "takedown" && fields.size() == 4) {
            TJournalRecord record;
            record.Type = TJournalRecord::TakeDown;
            record.Page = page(fields[1]);
            record.Splice.Before = hash(fields[2]);
            record.Splice.After = hash(fields[3]);
            journal.Records.push_back(std::move(record));
        } else {
            throw damaged("the line is not a journal record");
        }
    }
    if (lineNumber == 0 && !bytes.isEmpty() && !bytes.startsWith("vantelle-site-journal 1"))
        throw damaged("it is not a site journal of this version");
    return journal;
}
