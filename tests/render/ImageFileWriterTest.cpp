#include "platform/ImageFileWriter.h"

#include "FormRendering.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "render/FormFields.h"
#include "render/GraphRenderer.h"
#include "view/ImageSurface.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>
#include <string>

namespace plovex {
namespace {

QImage Graph(const char* expression, bool implicit)
{
    FormFields fields;
    fields.m_implicit = implicit;
    TokenList queue;
    TokenList operators;
    (void)Parse(expression, implicit, queue, operators, fields.m_postfix);
    ImageSurface surface(301, 151);
    DrawFormGraph(fields, Program::Compile(queue), surface);
    return surface.Image();
}

// 257 colours: one too many for a palette.
QImage ManyColours()
{
    QImage image(257, 2, QImage::Format_RGB32);
    for (int x = 0; x < 257; ++x) {
        image.setPixel(x, 0, qRgb(x % 256, x / 256, 7));
        image.setPixel(x, 1, qRgb(1, 2, 3));
    }
    return image;
}

TEST(ImageFileWriter, PixelsReadBackAreThePixelsWritten)
{
    const struct {
        const char* name;
        QImage image;
        const char* format;
        QImage::Format read; // the format the file holds its pixels in
    } cases[] = {
        { "explicit graph", Graph("sin(x)*5", false), "png", QImage::Format_Indexed8 },
        { "implicit graph", Graph("x^2+y^2-25", true), "png", QImage::Format_Indexed8 },
        { "upper-case suffix", Graph("x", false), "PNG", QImage::Format_Indexed8 },
        { "257 colours", ManyColours(), "png", QImage::Format_RGB32 },
        { "bitmap", Graph("x", false), "bmp", QImage::Format_RGB32 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ImageFileWriter writer(&buffer, c.format);
        ASSERT_TRUE(writer.Write(c.image)) << writer.ErrorString().toStdString();
        QImage read;
        ASSERT_TRUE(read.loadFromData(buffer.data(), c.format));
        EXPECT_EQ(read.format(), c.read);
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), c.image);
    }
}

} // namespace
} // namespace plovex
