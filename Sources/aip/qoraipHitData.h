// The record of a hit test (which art, and which part of it, lies under a point) together with the
// framework's own hit-test algorithm over anchors, handles, curves, fills and clipping groups.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipArtboardPoint.h"

namespace qor {
namespace aip {

class Art;
class Bezier;
class TextRange;

class HitData {
public:
    // Runs the hit test: on the given art, or on the layers of the current document from the first
    // one when art is null.
    HitData(const Art* art, const ArtboardPoint& point, int32_t request, double tolerance, bool inViewUnits);
    HitData(const HitData& other);
    HitData& operator=(const HitData&) = delete;

    virtual ~HitData();
    virtual int32_t requestFlags() const;
    virtual bool hit() const;
    virtual int32_t hitPart() const;
    virtual Art* art() const;
    virtual int32_t segmentIndex() const;
    virtual int32_t bezierIndex() const;
    virtual double t() const;
    virtual ArtboardPoint point() const;
    // The Bezier piece under the hit, kept by the record until the next call.
    virtual Bezier* bezier();
    // The character of a hit text frame as a text range, kept by the record (which holds one count of
    // it); null without a hit on a text frame.
    virtual TextRange* textRange();
    virtual bool hitPoint(ArtboardPoint& out) const;
    virtual bool hitPointForPart(int32_t part, ArtboardPoint& out) const;

    // The index of the outlined glyph of a hit text frame under the hit point, counted from the frame's
    // last outline backward; -1 when the hit is not on a text frame or no glyph is found. Outlines a copy
    // of the frame and disposes of it again.
    int32_t glyphUnderHit() const;

    // |tolerance|, divided by the zoom of the current view when it is given in view units. Without a
    // current view, or with a zoom that is not a positive number, the tolerance stays as it is.
    static double artworkTolerance(double tolerance, bool inViewUnits);
    // The character index of glyph g in the text: spaces, line breaks and other invisible characters
    // have no glyph of their own and are skipped over. -1 when the glyph lies beyond the text.
    static int32_t characterOfGlyph(const std::string& utf8, int32_t glyph);

    enum Part : int32_t { NoPart = 0, AnchorPart = 10, InHandlePart = 20, OutHandlePart = 30, SegmentPart = 40, ObjectPart = 50 };

private:
    bool hitTestArt(const Art& art, const ArtboardPoint& where, double tol, bool insideClip);
    bool hitTestPath(const Art& art, const ArtboardPoint& where, double tol, bool insideClip);
    bool hitTestChildren(Art* first, const ArtboardPoint& where, double tol, bool insideClip);
    static bool insideClipMasks(const Art& art, const ArtboardPoint& where, double tol);
    static bool maskContains(const Art& mask, const ArtboardPoint& where, double tol);
    void record(const Art& art, int32_t part, const ArtboardPoint& where, int32_t segment, int32_t piece, double t);
    bool onOpenPath(int32_t& segmentCount) const;
    // The glyph under the hit among the outlines of a copy of the hit frame.
    int32_t outlinedGlyph(Art& copy) const;

    int32_t request_ = 0;
    bool hit_ = false;
    int32_t part_ = NoPart;
    ArtboardPoint point_;
    Art* art_ = nullptr;
    int16_t segmentIndex_ = 0;
    int16_t pieceIndex_ = 0;
    double t_ = 0;
    Bezier* bezier_ = nullptr;
    TextRange* textRange_ = nullptr;
};

}  // namespace aip
}  // namespace qor
