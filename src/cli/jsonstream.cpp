#include "cli/jsonstream.h"

namespace tallywick::cli {
namespace {

constexpr std::size_t kChunk = 1 << 16;

void AppendIndent(std::string& out, std::size_t depth)
{
    out += '\n';
    out.append(depth * 2, ' ');
}

} // namespace

void JsonStream::startValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    if (levels_.back().values++ > 0)
        buffer_ += ',';
    AppendIndent(buffer_, levels_.size());
}

void JsonStream::beginObject()
{
    startValue();
    buffer_ += '{';
    levels_.push_back({.object = true});
}

void JsonStream::beginArray()
{
    startValue();
    buffer_ += '[';
    levels_.push_back({.object = false});
}

void JsonStream::close(char bracket)
{
    const bool empty = levels_.back().values == 0;
    levels_.pop_back();
    if (!empty)
        AppendIndent(buffer_, levels_.size());
    buffer_ += bracket;
    flushWhenFull();
}

void JsonStream::endObject()
{
    close('}');
}

void JsonStream::endArray()
{
    close(']');
}

void JsonStream::key(std::string_view name)
{
    startValue();
    AppendJsonString(buffer_, name);
    buffer_ += ": ";
    afterKey_ = true;
}

void JsonStream::value(const Json& value)
{
    startValue();
    value.write(buffer_, static_cast<int>(levels_.size()));
    flushWhenFull();
}

void JsonStream::members(const Json& object)
{
    for (const auto& [name, member] : std::get<Json::Object>(object.value_)) {
        key(name);
        value(member);
    }
}

void JsonStream::text(std::string_view bytes)
{
    startValue();
    buffer_ += '"';
    // Cut only before an ASCII byte: it never continues a UTF-8 sequence, so the pieces decode
    // as the whole would.
    while (bytes.size() > kChunk) {
        std::size_t cut = kChunk;
        while (cut < bytes.size() && static_cast<unsigned char>(bytes[cut]) >= 0x80)
            ++cut;
        AppendJsonStringBody(buffer_, bytes.substr(0, cut));
        bytes.remove_prefix(cut);
        flushWhenFull();
    }
    AppendJsonStringBody(buffer_, bytes);
    buffer_ += '"';
    flushWhenFull();
}

void JsonStream::beginString()
{
    startValue();
    buffer_ += '"';
}

void JsonStream::stringPiece(std::string_view escaped)
{
    rawPiece(escaped);
}

void JsonStream::rawPiece(std::string_view bytes)
{
    if (bytes.size() >= kChunk) {
        flush();
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    buffer_ += bytes;
    flushWhenFull();
}

void JsonStream::endString()
{
    buffer_ += '"';
    flushWhenFull();
}

void JsonStream::laidOutItems(std::string_view piece)
{
    if (piece.empty())
        return;
    if (levels_.back().values == 0) {
        piece.remove_prefix(1); // the comma before the first item
        levels_.back().values = 1;
    }
    rawPiece(piece);
}

std::string JsonStream::ItemStart(int depth)
{
    std::string start(",");
    AppendIndent(start, static_cast<std::size_t>(depth));
    return start;
}

void JsonStream::finish()
{
    buffer_ += '\n';
    flush();
    out_.flush();
}

void JsonStream::flushWhenFull()
{
    if (buffer_.size() >= kChunk)
        flush();
}

void JsonStream::flush()
{
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

} // namespace tallywick::cli
