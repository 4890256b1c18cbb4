// The client handle of a gradient of the host document: a shared record per host gradient (registered
// in the gradient map of CoreGlobals) that owns the aip::Gradient. Stops come out as owned values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "aip/qoraipGradient.h"
#include "core/qorcoreArtColor.h"

namespace qor {
namespace core {

class __IntGradientData {
public:
    virtual ~__IntGradientData() { delete impl; }
    int32_t count = 0;
    // The registry key; null while unregistered.
    void* key = nullptr;
    aip::Gradient* impl = nullptr;
};

class Gradient {
public:
    // Two positional fractions, a colour and an opacity; the numbers are clamped to 0..1.
    class Stop {
    public:
        Stop() : position1(0.0), position2(0.0), opacity(1.0) {}
        Stop(double position1_, double position2_, const ArtColor& color_, double opacity_);
        Stop(const Stop& other) = default;
        Stop& operator=(const Stop& other) = default;
        virtual ~Stop() = default;

        double position1;
        double position2;
        ArtColor color;
        double opacity;
    };

    // Joins or creates the record of the implementation's host gradient; an implementation the record
    // does not take is deleted and the pointer nulled. Without globals or a host handle the handle stays
    // empty and the implementation with the caller.
    explicit Gradient(aip::Gradient*& impl);
    Gradient(const Gradient& other);
    Gradient& operator=(const Gradient& other) { return assign(other); }

    virtual ~Gradient();
    virtual Gradient& assign(const Gradient& other);
    virtual bool dispose();
    virtual void* hostHandle() const;
    virtual bool isEmpty() const;
    virtual bool isValid() const;
    // 10 or 20; 0 otherwise.
    virtual int32_t type() const;
    // Only 10 and 20 are passed on.
    virtual void setType(int32_t type);
    virtual bool equals(const Gradient& other) const;
    virtual bool notEquals(const Gradient& other) const;
    virtual std::string name() const;
    virtual void setName(const std::string& name);
    virtual int16_t stopCount() const;
    virtual std::unique_ptr<Stop> stopAt(int16_t index) const;
    virtual bool setStop(int16_t index, const Stop& stop);
    virtual bool insertStop(int16_t index, Stop& out);
    virtual bool removeStop(int16_t index, Stop& out);
    virtual bool colorAt(double t, ArtColor& out) const;

    __IntGradientData* data() const { return data_; }

private:
    aip::Gradient* impl() const { return data_ ? data_->impl : nullptr; }

    __IntGradientData* data_ = nullptr;
};

// Takes the implementation over (deleting it when the handle does not keep it).
Gradient wrapGradient(aip::Gradient* impl);

}  // namespace core
}  // namespace qor
