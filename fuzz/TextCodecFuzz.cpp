// Any bytes a server or a settings file could hold must decode without a crash or an overread,
// lose nothing on the way back to the file, and never be cut inside a character.
#include "platform/text/TextCodec.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool utf8 = TextCodec::isUtf8(bytes);
    // Qt's own decoder, as a second opinion on what is valid UTF-8.
    QStringDecoder qt(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString checked = qt.decode(bytes);
    if (utf8 == qt.hasError())
        std::abort();

    const QString text = TextCodec::decode(bytes);
    if (text.size() > bytes.size() || (utf8 && text != checked))
        std::abort();
    // Legacy bytes go back one for one; anything read goes back to read the same.
    const QByteArray written = TextCodec::encode(text);
    if ((!utf8 && written != bytes) || TextCodec::decode(written) != text)
        std::abort();

    const qsizetype limit = static_cast<qsizetype>(size / 2);
    const QString prefix = TextCodec::decodePrefix(bytes, limit);
    const qsizetype prefixBytes = utf8 ? prefix.toUtf8().size() : prefix.size();
    if (prefixBytes > limit || !text.startsWith(prefix))
        std::abort();

    const QString shown = TextCodec::forDisplay(text);
    if (TextCodec::forDisplay(shown) != shown)
        std::abort();
    return 0;
}
