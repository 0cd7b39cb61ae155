#pragma once
// A PNG file made a band of rows at a time, so that a picture of any height
// needs in memory only the band at hand: eight-bit RGB, each row filtered
// against the one above, compressed as it comes.
#include "atomic_write.h"

#include <QImage>

#include <memory>
#include <vector>

namespace zorvel {

class PngStream {
public:
    // Writes the signature and the header through out.
    PngStream(int width, int height, FileChunkWriter out);
    ~PngStream();
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    // The next rows, top first: a band as wide as the picture.
    void addRows(const QImage& band);
    // Ends the file; every row must have been added.
    void finish();

private:
    void chunk(const char* type, const unsigned char* data, std::size_t size);
    void deflateRows(const unsigned char* data, std::size_t size, bool last);

    struct Deflater;
    int width_;
    int height_;
    int rows_ = 0;
    FileChunkWriter out_;
    std::unique_ptr<Deflater> deflater_;
    std::vector<unsigned char> previous_, row_, compressed_;
};

} // namespace zorvel
