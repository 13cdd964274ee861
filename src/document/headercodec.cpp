#include "document/headercodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kelmor {

namespace {
constexpr const char* kShiftJis = "Shift_JIS";

bool isValidUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}
}  // namespace

QString HeaderCodec::decode(const std::string& bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text;
    encoding_ = Encoding::Utf8;
    if (isValidUtf8(bytes)) {
        text = QString::fromUtf8(view);
    } else {
        QStringDecoder sjis(kShiftJis);
        if (sjis.isValid()) {
            text = sjis.decode(view);
            encoding_ = Encoding::ShiftJis;
        } else {
            text = QString::fromLatin1(view);
        }
    }
    bytes_ = bytes;
    text_ = text;
    remembered_ = true;
    return text;
}

void HeaderCodec::forget()
{
    remembered_ = false;
    bytes_.clear();
    text_.clear();
    encoding_ = Encoding::Utf8;
}

std::string HeaderCodec::encode(const QString& text) const
{
    if (remembered_ && text == text_)
        return bytes_;
    if (encoding_ == Encoding::ShiftJis) {
        QStringEncoder sjis(kShiftJis);
        if (sjis.isValid()) {
            const QByteArray out = sjis.encode(text);
            // The converter may put a substitute in for what it cannot hold;
            // only an exact round trip is good enough for a header.
            QStringDecoder back(kShiftJis);
            if (!sjis.hasError() && back.isValid() && back.decode(out) == text)
                return out.toStdString();
        }
    }
    return text.toStdString();
}

}  // namespace kelmor
