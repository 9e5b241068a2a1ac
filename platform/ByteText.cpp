#include "platform/ByteText.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace plovex {
namespace {

// The whole text as UTF-8, or nothing when the bytes are not valid UTF-8. An initial
// byte-order mark is a character like any other, kept rather than dropped.
std::optional<QString> DecodeUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text
        = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::string ToStd(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromLatin1(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

QString BytesToText(std::string_view bytes)
{
    std::optional<QString> text = DecodeUtf8(bytes);
    return text ? *std::move(text) : FromLatin1(bytes);
}

QString BytesToTextAs(std::string_view bytes, std::string_view whole)
{
    if (DecodeUtf8(whole))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return FromLatin1(bytes);
}

std::string TextToBytes(const QString& text, std::string_view previous)
{
    const std::optional<QString> previousUtf8 = DecodeUtf8(previous);
    if ((previousUtf8 ? *previousUtf8 : FromLatin1(previous)) == text)
        return std::string(previous);
    // A Latin-1 text stays Latin-1 after an edit, as long as it still reads back so.
    if (!previousUtf8) {
        const bool latin1
            = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
        if (latin1) {
            std::string bytes = ToStd(text.toLatin1());
            if (!DecodeUtf8(bytes))
                return bytes;
        }
    }
    return ToStd(text.toUtf8());
}

} // namespace plovex
