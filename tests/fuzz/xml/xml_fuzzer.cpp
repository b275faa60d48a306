// Feeds arbitrary bytes to the XML reader, as a file's bytes and as text, with and without a cancel
// check, then writes the tree and reads the written bytes back.
#include "platform/TextDecoding.h"
#include "services/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

void ParseAndRewrite(const QString& text, const XmlCancelCheck& cancel)
{
    XmlDocument document;
    QString error;
    const XmlParseStatus status = document.ParseFromText(text, &error, cancel);
    // Without a cancel check the reader never reports one; it reports an error exactly when it
    // did not load.
    if (!cancel &&
        (status == XmlParseStatus::Cancelled || (status == XmlParseStatus::Loaded) != error.isEmpty()))
        std::abort();
    const QByteArray written = document.Serialise();
    XmlDocument reread;
    reread.ParseFromText(DecodeTextFile(written).text, &error);
    // Lookups on whatever came out must be safe.
    if (XmlNode* root = reread.RootElement()) {
        QString field;
        root->ReadChildTextFixed(u"key", field);
        for (XmlNode* child : root->ChildrenNamed(root->Name()))
            field += child->NodeText();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeTextFile(bytes).text;
    ParseAndRewrite(text, {});

    // The first byte picks after how many checks the cancel check says stop.
    if (size > 0 && data[0] < 8) {
        int checks = 0;
        const int stopAfter = data[0];
        ParseAndRewrite(text, [&] { return ++checks > stopAfter; });
    }
    // Now and then through a real file, so loading is covered too.
    if (size > 0 && data[0] % 16 == 15) {
        static const QString path =
            QDir::temp().filePath(u"clavora-xml-fuzz-%1.xml"_s.arg(QCoreApplication::applicationPid()));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(bytes);
            file.close();
            XmlDocument document;
            QString error;
            const XmlParseStatus status = document.LoadFromFile(path, &error);
            if (status == XmlParseStatus::Cancelled || (status == XmlParseStatus::Loaded) != error.isEmpty())
                std::abort();
        }
    }
    return 0;
}
