// The host-facing implementation of one gradient of the host document: type, name and stops through
// the host's gradient suite. Never disposes of the host gradient unless asked to.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipArtColor.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Gradient {
public:
    // One stop: two positional fractions, a colour and an opacity, each number clamped to 0..1.
    class Stop {
    public:
        Stop();
        Stop(double position1_, double position2_, const ArtColor& color_, double opacity_);
        Stop(const Stop& other) = default;
        Stop& operator=(const Stop& other) = default;
        virtual ~Stop() = default;

        // The host's stop record: positions in percent, clamped to 0..100, opacity to 0..1.
        GradientStopRecord toHostRecord() const;
        static Stop fromHostRecord(const GradientStopRecord& record);

        double position1;
        double position2;
        ArtColor color;
        double opacity;
    };

    explicit Gradient(GradientHandle gradient);
    Gradient(const Gradient& other);
    Gradient& operator=(const Gradient&) = delete;

    virtual ~Gradient() = default;
    virtual GradientHandle hostHandle() const;
    virtual Gradient* clone() const;
    virtual bool dispose();
    virtual bool validate();
    // 10 or 20; 0 for any other host type or an error.
    virtual int32_t type() const;
    // Only 10 and 20 reach the host.
    virtual void setType(int32_t type);
    virtual std::string name() const;
    virtual void setName(const std::string& name);
    virtual int16_t stopCount() const;
    // False, with the stop untouched, for an index outside 0..count-1 or a host error.
    virtual bool stopAt(int16_t index, Stop& out) const;
    virtual bool setStop(int16_t index, const Stop& stop);
    // The index may equal the count (a stop at the end).
    virtual bool insertStop(int16_t index, Stop& out);
    virtual bool removeStop(int16_t index, Stop& out);
    // t is clamped to 0..1.
    virtual bool colorAt(double t, ArtColor& out) const;

private:
    static void acquireSuites();
    bool inRange(int16_t index, bool endAllowed) const;

    bool valid_;
    GradientHandle gradient_;
};

}  // namespace aip
}  // namespace qor
