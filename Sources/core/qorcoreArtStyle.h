// The client handle of an art style of the host document: a shared record per host style (registered
// in the art-style map of CoreGlobals) owning the aip::ArtStyle and a host style parser made once, when
// the record is created, which hands out the style's paint fields, effects and blend field.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "aip/qoraipArtStyle.h"

namespace qor {
namespace core {

class __IntArtStyleData {
public:
    // Disposes of a remaining parser.
    virtual ~__IntArtStyleData();
    int32_t count = 0;
    // The registry key; null while unregistered.
    ArtStyleHandle key = nullptr;
    aip::ArtStyle* impl = nullptr;
    StyleParser parser = nullptr;
};

class __IntArtStylePaintFieldData {
public:
    virtual ~__IntArtStylePaintFieldData() = default;
    ArtStyleHandle style = nullptr;
    StylePaintField part = nullptr;
};

class __IntArtStyleEffectData {
public:
    virtual ~__IntArtStyleEffectData() = default;
    ArtStyleHandle style = nullptr;
    StyleEffect part = nullptr;
};

class __IntArtStyleBlendFieldData {
public:
    virtual ~__IntArtStyleBlendFieldData() = default;
    ArtStyleHandle style = nullptr;
    StyleBlendField part = nullptr;
    int32_t reserved = 0;
};

class ArtStyle {
public:
    // One part taken from a parsed style; owned by whoever asked for it.
    template <class Data>
    class Part {
    public:
        explicit Part(Data* data) : data_(data) {}
        Part(const Part&) = delete;
        Part& operator=(const Part&) = delete;
        virtual ~Part() { delete data_; }
        const Data* data() const { return data_; }

    private:
        Data* data_;
    };
    using PaintField = Part<__IntArtStylePaintFieldData>;
    using Effect = Part<__IntArtStyleEffectData>;
    using BlendField = Part<__IntArtStyleBlendFieldData>;

    // Takes the implementation over. Joins the record of its host style, or registers a new one and
    // parses the style; without globals, implementation or host handle the handle is empty.
    explicit ArtStyle(aip::ArtStyle* impl);
    // Shares the other's record.
    ArtStyle(const ArtStyle& other);

    virtual ~ArtStyle();
    virtual ArtStyle& operator=(const ArtStyle& other);
    virtual bool operator==(const ArtStyle& other) const;
    virtual bool operator!=(const ArtStyle& other) const;
    virtual ArtStyleHandle hostHandle() const;
    virtual bool valid() const;
    virtual std::string name() const;
    virtual void setName(const std::string& name);
    // True for an empty handle.
    virtual bool hostQuery() const;
    // 10, 20 or 0.
    virtual int32_t styleType() const;
    virtual int32_t styleFlags() const;
    virtual bool parserQueryA() const;
    virtual bool parserQueryB() const;
    virtual bool parserQueryC() const;
    virtual bool parserQueryD() const;
    // -1 without a parser.
    virtual int32_t paintFieldCount() const;
    virtual std::unique_ptr<PaintField> paintFieldAt(int32_t index) const;
    virtual std::unique_ptr<PaintField> designatedPaintFieldA() const;
    virtual std::unique_ptr<PaintField> designatedPaintFieldB() const;
    virtual int32_t effectCountA() const;
    virtual std::unique_ptr<Effect> effectAtA(int32_t index) const;
    virtual int32_t effectCountB() const;
    virtual std::unique_ptr<Effect> effectAtB(int32_t index) const;
    virtual std::unique_ptr<BlendField> blendField() const;

    __IntArtStyleData* data() const { return data_; }

private:
    aip::ArtStyle* impl() const { return data_ ? data_->impl : nullptr; }
    StyleParser parser() const { return data_ && data_->impl ? data_->parser : nullptr; }
    bool parserQuery(bool8 (*ArtStyleParserSuite::*query)(StyleParser)) const;
    int32_t parserCount(int32_t (*ArtStyleParserSuite::*count)(StyleParser)) const;
    template <class Data, class Handle>
    std::unique_ptr<Part<Data>> part(HostErr (*ArtStyleParserSuite::*get)(StyleParser, int32_t, Handle*),
                                     int32_t index) const;
    template <class Data, class Handle>
    std::unique_ptr<Part<Data>> part(HostErr (*ArtStyleParserSuite::*get)(StyleParser, Handle*)) const;
    template <class Data, class Handle>
    std::unique_ptr<Part<Data>> wrapPart(HostErr result, Handle handle) const;

    __IntArtStyleData* data_ = nullptr;
};

// Takes the implementation over.
ArtStyle wrapArtStyle(aip::ArtStyle* impl);

}  // namespace core
}  // namespace qor
