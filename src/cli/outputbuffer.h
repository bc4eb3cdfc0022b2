#pragma once

#include <array>
#include <streambuf>

namespace tallywick::cli {

// A buffered stream over a file descriptor that remembers why writing failed, so that an output
// lost to a full disk or a closed pipe is reported by its cause, not passed over.
class OutputBuffer : public std::streambuf {
public:
    explicit OutputBuffer(int descriptor);
    ~OutputBuffer() override;
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // The errno of the first failed write; 0 while none failed.
    int error() const { return error_; }

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

private:
    bool writeOut(const char* data, std::size_t size);
    bool drain();

    int descriptor_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

} // namespace tallywick::cli
