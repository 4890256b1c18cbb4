// The client date: owns one plat::Date and forwards to it.
#pragma once

#include <string>

#include "core/qorcoreDuration.h"
#include "plat/qorplatDate.h"

namespace qor {
namespace core {

class Date {
public:
    Date();
    explicit Date(const std::string& text);
    explicit Date(const plat::Date& impl);
    Date(const Date& other);
    // Today in Coordinated Universal Time; add Duration::utcOffset for the local date.
    static Date current();

    virtual ~Date();
    virtual Date& operator=(const Date& other);
    virtual bool operator==(const Date& other) const;
    virtual bool operator!=(const Date& other) const;
    virtual bool operator<(const Date& other) const;
    virtual bool operator<=(const Date& other) const;
    virtual bool operator>(const Date& other) const;
    virtual bool operator>=(const Date& other) const;
    virtual Date operator-(const Duration& duration) const;
    virtual Duration operator-(const Date& other) const;
    virtual Date& operator-=(const Duration& duration);
    virtual Date operator+(const Duration& duration) const;
    virtual Date& operator+=(const Duration& duration);
    virtual std::string format(const std::string& pattern) const;
    virtual int16_t year() const;
    virtual void setYear(int16_t year);
    virtual int16_t month() const;
    virtual void setMonth(int16_t month);
    virtual int16_t day() const;
    virtual void setDay(int16_t day);
    virtual uint16_t weekday() const;
    virtual uint16_t isoWeek() const;
    virtual uint16_t daysInMonth() const;
    virtual uint16_t dayOfYear() const;

private:
    friend plat::Date* implPointer(const Date& date);
    plat::Date* impl_;
};

plat::Date* implPointer(const Date& date);

}  // namespace core
}  // namespace qor
