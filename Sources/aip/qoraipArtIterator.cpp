#include "aip/qoraipArtIterator.h"

#include "aip/qoraipArt.h"

namespace qor {
namespace aip {

ArtIterator::ArtIterator(Art* start) : start_(start), current_(start)
{
    if (start) {
        previous_ = start->priorSibling();
        next_ = start->nextSibling();
    }
}

ArtIterator::~ArtIterator()
{
    drop(current_);
    drop(previous_);
    drop(next_);
    if (ownsStart_)
        delete start_;
}

void ArtIterator::drop(Art* art)
{
    if (art != start_)
        delete art;
}

bool ArtIterator::atEnd() const
{
    return !current_ && (!previous_ || !next_);
}

void ArtIterator::next()
{
    if (!current_ && !next_)
        return;
    Art* oldPrevious = previous_;
    previous_ = current_;
    current_ = next_;
    next_ = current_ ? current_->nextSibling() : nullptr;
    drop(oldPrevious);
}

void ArtIterator::previous()
{
    if (!previous_ && !current_)
        return;
    Art* oldNext = next_;
    next_ = current_;
    current_ = previous_;
    previous_ = current_ ? current_->priorSibling() : nullptr;
    drop(oldNext);
}

}  // namespace aip
}  // namespace qor
