#include "geo/qorgeoPoint.h"

namespace qor {
namespace geo {

Point& Point::operator=(const Point& other)
{
    x = other.x;
    y = other.y;
    return *this;
}

Point Point::operator+(const Point& other) const
{
    return Point(x + other.x, y + other.y);
}

Point& Point::operator+=(const Point& other)
{
    return *this = *this + other;
}

Point Point::operator-(const Point& other) const
{
    return Point(x - other.x, y - other.y);
}

Point& Point::operator-=(const Point& other)
{
    return *this = *this - other;
}

Point Point::offset(double dx, double dy) const
{
    return Point(x + dx, y + dy);
}

bool Point::insidePolygon(const Point* vertices, int count) const
{
    if (count <= 0 || !vertices)
        return false;
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        const Point& vi = vertices[i];
        const Point& vj = vertices[j];
        if ((y < vi.y) != (y < vj.y) && x < (vj.x - vi.x) * (y - vi.y) / (vj.y - vi.y) + vi.x)
            inside = !inside;
    }
    return inside;
}

}  // namespace geo
}  // namespace qor
