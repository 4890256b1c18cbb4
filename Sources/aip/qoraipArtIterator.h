// Walks an art and its following siblings; the hit test also steps back.
#pragma once

namespace qor {
namespace aip {

class Art;

class ArtIterator {
public:
    explicit ArtIterator(Art* start);
    ArtIterator(const ArtIterator&) = delete;
    ArtIterator& operator=(const ArtIterator&) = delete;
    ~ArtIterator();

    bool atEnd() const;
    void next();
    void previous();
    // The current art, not a copy.
    Art* current() const { return current_; }

private:
    void drop(Art* art);

    bool ownsStart_ = false;
    Art* start_;
    Art* current_;
    Art* previous_ = nullptr;
    Art* next_ = nullptr;
};

}  // namespace aip
}  // namespace qor
