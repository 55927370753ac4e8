// The updater's chunked-body decoder on any bytes, fed whole and fed in the
// small pieces a connection may deliver: both give the same body and end in
// the same state. The first byte sizes the pieces, the rest is the body.
#include <string>
#include <vector>

#include "CChunkedDecoder.h"
#include "FuzzCheck.h"

namespace {

// Feeds one piece until the decoder takes no more of it; returns the bytes used.
size_t feed(CChunkedDecoder& decoder, const std::vector<uint8_t>& piece, std::string& body)
{
    size_t used = 0;
    while (used < piece.size()) {
        const uint8_t* run = nullptr;
        size_t runLength = 0;
        const size_t n = decoder.Next(piece.data() + used, piece.size() - used, run, runLength);
        FUZZ_CHECK(n <= piece.size() - used);
        if (runLength) {
            FUZZ_CHECK(run >= piece.data() + used && run + runLength <= piece.data() + used + n);
            body.append(reinterpret_cast<const char*>(run), runLength);
        }
        if (n == 0) {
            FUZZ_CHECK(decoder.IsDone() || decoder.IsInvalid());
            break;
        }
        used += n;
    }
    return used;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const size_t pieceSize = 1 + data[0] % 16;
    const std::vector<uint8_t> whole(data + 1, data + size);

    CChunkedDecoder once;
    std::string bodyOnce;
    const size_t usedOnce = feed(once, whole, bodyOnce);

    CChunkedDecoder pieces;
    std::string bodyPieces;
    size_t usedPieces = 0;
    for (size_t at = 0; at < whole.size() && !pieces.IsDone() && !pieces.IsInvalid(); at += pieceSize) {
        const size_t n = whole.size() - at < pieceSize ? whole.size() - at : pieceSize;
        usedPieces += feed(pieces, std::vector<uint8_t>(whole.begin() + at, whole.begin() + at + n), bodyPieces);
    }

    FUZZ_CHECK(bodyOnce == bodyPieces);
    FUZZ_CHECK(once.GetState() == pieces.GetState());
    FUZZ_CHECK(usedOnce == usedPieces);
    FUZZ_CHECK(bodyOnce.size() <= whole.size());
    return 0;
}
