#include "core/line_reader.h"

#include <algorithm>
#include <cstring>

#include "core/chunk_survey.h"

namespace chronoflip {

namespace {

// One past the last LF of the range, or begin when it has none.
std::size_t afterLastLf(const char* data, std::size_t begin, std::size_t end) {
    const std::string_view range(data + begin, end - begin);
    const std::size_t lf = range.rfind('\n');
    return lf == std::string_view::npos ? begin : begin + lf + 1;
}

}  // namespace

LineReader::LineReader(InputFile& file, std::size_t bufferSize, ReadAhead readAhead,
                       SourceCount* count, std::optional<LineMark> mark)
    : file_(file),
      count_(count),
      room_(bufferSize / 4),
      chunk_(std::max<std::size_t>(bufferSize, 2)),
      buffer_(room_ + chunk_),
      mark_(mark),
      readAhead_(readAhead == ReadAhead::kOn
                     ? std::make_unique<ReadAheadThread>(file, room_, chunk_, count, mark)
                     : nullptr) {
    if (mark_) marked_.starts.reserve(mostMarkedLines(chunk_, *mark_));
}

bool LineReader::fill(std::size_t kept) {
    if (inputEnded_) return false;
    const std::size_t keptAt = end_ - kept;
    ChunkSurvey survey;
    if (readAhead_) {
        survey = readAhead_->exchange(buffer_, marked_, keptAt, kept);
    } else {
        std::memmove(buffer_.data() + room_ - kept, buffer_.data() + keptAt, kept);
        char* const text = buffer_.data() + room_;
        survey = surveyChunk(text, file_.read(text, chunk_), mark_, marked_);
        if (count_ != nullptr) count_->taken = count_->read.load();
    }
    const char* const data = buffer_.data();
    begin_ = room_ - kept;
    end_ = room_ + survey.text;
    inputEnded_ = survey.read == 0 || survey.text < survey.read;
    if (survey.read == 0) return false;
    // The survey saw the chunk alone: the kept bytes and its first byte are looked at here.
    linesHaveLoneCr_ = survey.loneCr || hasLoneCr(data + begin_, std::min(kept + 1, end_ - begin_));
    // The kept bytes hold no LF, so the survey's count and look at LFs cover them.
    linesHaveBareLf_ = survey.bareLf;
    lfsUnread_ = survey.lfs;
    chunkHasLoneCr_ = linesHaveLoneCr_ || (end_ > begin_ && data[end_ - 1] == '\r');
    return end_ > room_;
}

bool LineReader::atEnd() {
    return begin_ == end_ && !fill();
}

std::string_view LineReader::finish(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool fromChunk = line.data() != spill_.data();
    if (fromChunk && !chunkHasLoneCr_) return line;
    if (std::memchr(line.data(), '\r', line.size()) == nullptr) return line;
    // Rare: drop every CR, not only the one before LF.
    if (fromChunk) spill_.assign(line);
    spill_.erase(std::remove(spill_.begin(), spill_.end(), '\r'), spill_.end());
    return spill_;
}

std::string_view LineReader::next() {
    lineEnded_ = false;
    if (begin_ == end_ && !fill()) return {};
    const char* start = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    if (const void* lf = std::memchr(start, '\n', available)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
        begin_ += length + 1;
        --lfsUnread_;
        lineEnded_ = true;
        return finish({start, length});
    }
    // The line runs past this buffer: collect it until its LF or the end of the input.
    spill_.assign(start, available);
    begin_ = end_;
    while (fill()) {
        start = buffer_.data() + begin_;
        if (const void* lf = std::memchr(start, '\n', end_ - begin_)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
            spill_.append(start, length);
            begin_ += length + 1;
            --lfsUnread_;
            lineEnded_ = true;
            return finish(spill_);
        }
        spill_.append(start, end_ - begin_);
        begin_ = end_;
    }
    return finish(spill_);
}

LineReader::LineBlock LineReader::wholeLines() {
    if (begin_ == end_ && !fill()) return {};
    if (linesHaveLoneCr_) return {};
    std::size_t stop = afterLastLf(buffer_.data(), begin_, end_);
    // A line cut at the end of a read, not one that began before it.
    const std::size_t kept = end_ - begin_;
    if (stop == begin_ && begin_ > room_ && kept <= room_ && !inputEnded_) {
        fill(kept);
        if (linesHaveLoneCr_) return {};
        stop = afterLastLf(buffer_.data(), begin_, end_);
    }
    LineBlock block{.text = {buffer_.data() + begin_, stop - begin_},
                    .lines = lfsUnread_,
                    .crLf = !linesHaveBareLf_,
                    .marksFound = false,
                    .markedFrom = nullptr,
                    .marked = {}};
    if (marked_.found) {
        // The marks count from the chunk's start; those of lines before the block's second go.
        const std::vector<std::uint32_t>& starts = marked_.starts;
        const auto after = begin_ < room_
                               ? starts.begin()
                               : std::upper_bound(starts.begin(), starts.end(), begin_ - room_);
        block.marksFound = true;
        block.markedFrom = buffer_.data() + room_;
        block.marked = {after, starts.end()};
    }
    if (block.lines > 0) lineEnded_ = true;
    begin_ = stop;
    lfsUnread_ = 0;
    return block;
}

}  // namespace chronoflip
