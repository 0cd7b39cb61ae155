// Writing a PNG band by band: the file's chunks by hand, the rows through zlib.
#include "headless/png_stream.h"

#include <zlib.h>

#include <stdexcept>

namespace zorvel {

namespace {

constexpr std::size_t kCompressedPiece = 1 << 16; // one IDAT chunk

void putBigEndian(unsigned char* at, quint32 value) {
    at[0] = static_cast<unsigned char>(value >> 24);
    at[1] = static_cast<unsigned char>(value >> 16);
    at[2] = static_cast<unsigned char>(value >> 8);
    at[3] = static_cast<unsigned char>(value);
}

} // namespace

struct PngStream::Deflater {
    z_stream stream{};
    Deflater() {
        if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK)
            throw std::runtime_error("the PNG compressor could not start");
    }
    ~Deflater() { deflateEnd(&stream); }
};

PngStream::PngStream(int width, int height, FileChunkWriter out)
    : width_(width), height_(height), out_(std::move(out)), deflater_(std::make_unique<Deflater>()),
      previous_(std::size_t(width) * 3, 0), row_(std::size_t(width) * 3 + 1), compressed_(kCompressedPiece) {
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out_(reinterpret_cast<const char*>(signature), sizeof signature);
    unsigned char header[13] = {};
    putBigEndian(header, quint32(width));
    putBigEndian(header + 4, quint32(height));
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    chunk("IHDR", header, sizeof header);
}

PngStream::~PngStream() = default;

void PngStream::chunk(const char* type, const unsigned char* data, std::size_t size) {
    unsigned char head[8];
    putBigEndian(head, quint32(size));
    std::copy(type, type + 4, head + 4);
    uLong crc = crc32(0, head + 4, 4);
    if (size > 0) // crc32 of no buffer at all starts afresh
        crc = crc32(crc, data, uInt(size));
    unsigned char tail[4];
    putBigEndian(tail, quint32(crc));
    out_(reinterpret_cast<const char*>(head), sizeof head);
    if (size > 0)
        out_(reinterpret_cast<const char*>(data), qint64(size));
    out_(reinterpret_cast<const char*>(tail), sizeof tail);
}

void PngStream::deflateRows(const unsigned char* data, std::size_t size, bool last) {
    z_stream& z = deflater_->stream;
    z.next_in = const_cast<unsigned char*>(data);
    z.avail_in = uInt(size);
    for (;;) {
        z.next_out = compressed_.data();
        z.avail_out = uInt(compressed_.size());
        const int result = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
        if (result == Z_STREAM_ERROR)
            throw std::runtime_error("the PNG compressor failed");
        const std::size_t produced = compressed_.size() - z.avail_out;
        if (produced > 0)
            chunk("IDAT", compressed_.data(), produced);
        if (last ? result == Z_STREAM_END : z.avail_in == 0 && z.avail_out > 0)
            return;
    }
}

void PngStream::addRows(const QImage& band) {
    const QImage rgb = band.format() == QImage::Format_RGB32 ? band : band.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height() && rows_ < height_; ++y, ++rows_) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        // Filter "up": each byte less the one above it, which leaves the
        // page's plain stretches as runs of zeros.
        row_[0] = 2;
        unsigned char* out = row_.data() + 1;
        unsigned char* above = previous_.data();
        for (int x = 0; x < width_; ++x) {
            const QRgb p = x < rgb.width() ? pixels[x] : 0;
            const unsigned char rgbBytes[3] = {static_cast<unsigned char>(qRed(p)),
                                               static_cast<unsigned char>(qGreen(p)),
                                               static_cast<unsigned char>(qBlue(p))};
            for (const unsigned char b : rgbBytes) {
                *out++ = static_cast<unsigned char>(b - *above);
                *above++ = b;
            }
        }
        deflateRows(row_.data(), row_.size(), false);
    }
}

void PngStream::finish() {
    if (rows_ != height_)
        throw std::logic_error("a PNG ended before its last row");
    deflateRows(nullptr, 0, true);
    chunk("IEND", nullptr, 0);
}

} // namespace zorvel
