#include <gtest/gtest.h>

#include <cmath>

#include "aip/qoraipTransformMatrix.h"
#include "core/qorcoreTransformMatrix.h"
#include "geo/qorgeoTransformMatrix.h"

namespace test_matrix_detail {
void expectMatrix(const qor::geo::TransformMatrix& m, double a, double b, double c, double d, double tx, double ty)
{
    EXPECT_EQ(m.a, a);
    EXPECT_EQ(m.b, b);
    EXPECT_EQ(m.c, c);
    EXPECT_EQ(m.d, d);
    EXPECT_EQ(m.tx, tx);
    EXPECT_EQ(m.ty, ty);
}
}  // namespace test_matrix_detail

TEST(Matrix, TranslationScaleRotation)
{
    using test_matrix_detail::expectMatrix;
    using qor::geo::TransformMatrix;
    TransformMatrix t;
    t.setTranslation(10, 20);
    expectMatrix(t, 1, 0, 0, 1, 10, -20);

    TransformMatrix r;
    r.setRotation(qor::geo::Angle(3.141592653589793 / 2, 1));
    expectMatrix(r, 0, 1, -1, 0, 0, 0);
    r.setTranslation(1, 1);
    r.setScale(2, 3);
    expectMatrix(r, 2, 1, -1, 3, 1, -1);

    TransformMatrix ps;
    ps.postTranslate(5, 5);
    ps.postScale(2, 2);
    expectMatrix(ps, 2, 0, 0, 2, 10, -10);
    // (1, 1) maps to (12, -8): translation first, scale second.
    EXPECT_EQ(ps.a * 1 + ps.c * 1 + ps.tx, 12);
    EXPECT_EQ(ps.b * 1 + ps.d * 1 + ps.ty, -8);
}

TEST(Matrix, InversionAndSingularity)
{
    using test_matrix_detail::expectMatrix;
    using qor::geo::TransformMatrix;
    TransformMatrix inv(9, 9, 9, 9, 9, 9);
    EXPECT_TRUE(TransformMatrix(2, 0, 0, 4, 6, 8).invert(inv));
    expectMatrix(inv, 0.5, -0.0, -0.0, 0.25, -3, -2);
    EXPECT_TRUE(std::signbit(inv.b));

    TransformMatrix nearlySingular(5e-7, 0, 0, 1, 0, 0);
    EXPECT_TRUE(nearlySingular.isSingular());
    EXPECT_FALSE(nearlySingular.invert(inv));
    expectMatrix(inv, 1, 0, 0, 1, 0, 0);  // the geo out matrix is the identity

    qor::core::TransformMatrix coreSingular(nearlySingular);
    qor::core::TransformMatrix out(TransformMatrix(7, 7, 7, 7, 7, 7));
    EXPECT_FALSE(coreSingular.invert(out));
    EXPECT_EQ(out.a, 7);  // the client out matrix keeps its values
    EXPECT_EQ(out.ty, 7);
    EXPECT_TRUE(qor::core::TransformMatrix(TransformMatrix(2, 0, 0, 4, 6, 8)).invert(out));
    EXPECT_EQ(out.tx, -3);
}

TEST(Matrix, ExactComparisons)
{
    using qor::geo::TransformMatrix;
    EXPECT_FALSE(TransformMatrix(1, 0, 0, 1, 1e-12, 0).isIdentity());
    EXPECT_TRUE(TransformMatrix().isIdentity());
    double nan = std::nan("");
    EXPECT_FALSE(TransformMatrix(nan, 0, 0, 1, 0, 0) == TransformMatrix(nan, 0, 0, 1, 0, 0));
    EXPECT_TRUE(TransformMatrix(nan, 0, 0, 1, 0, 0) != TransformMatrix(nan, 0, 0, 1, 0, 0));
}

TEST(Matrix, ClientFormCachesAndHostRoundTrip)
{
    qor::core::TransformMatrix m;
    m.tx = 3;  // written directly
    m.postScale(2, 2);
    EXPECT_EQ(m.a, 2);
    EXPECT_EQ(m.tx, 6);
    qor::core::TransformMatrix n(m);
    n *= m;
    EXPECT_EQ(n.a, 4);
    EXPECT_EQ(n.tx, 18);
    EXPECT_EQ(m.tx, 6);
    qor::core::TransformMatrix p = m * m;
    EXPECT_TRUE(p == n);
    EXPECT_EQ(m.determinant(), 4);

    qor::core::TransformMatrix rot;
    rot.setRotation(qor::core::Angle(90, 2));
    EXPECT_EQ(rot.a, 0);
    EXPECT_EQ(rot.c, -1);

    RealMatrix host{1, 2, 3, 4, 5, 6};
    qor::aip::TransformMatrix h(host);
    RealMatrix back{};
    h.toHostMatrix(back);
    EXPECT_EQ(back.a, 1);
    EXPECT_EQ(back.ty, 6);
    qor::core::TransformMatrix wrapped = qor::core::wrapTransformMatrix(h);
    wrapped.ty = 60;
    EXPECT_EQ(qor::core::transformMatrixImpl(wrapped)->ty, 60);
    EXPECT_EQ(h.ty, 6);  // the wrapped value is a copy
}
