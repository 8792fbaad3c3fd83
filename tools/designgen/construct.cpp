#include "construct.h"

#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>

namespace designgen {

namespace {

bool PrimePower(int q, int& p, int& n) {
    for (p = 2; p <= q; ++p) {
        if (q % p != 0) continue;
        int r = q;
        n = 0;
        while (r % p == 0) {
            r /= p;
            ++n;
        }
        return r == 1;
    }
    return false;
}

}  // namespace

Field::Field(int q) : q_(q) {
    int p = 0, n = 0;
    if (q < 2 || q > 64 || !PrimePower(q, p, n))
        throw std::invalid_argument("no field of that order");
    add_.resize(static_cast<std::size_t>(q * q));
    mul_.resize(static_cast<std::size_t>(q * q));
    // Elements are polynomials over GF(p) of degree below n, digit i = coefficient of x^i.
    auto digits = [&](int a) {
        std::vector<int> d(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            d[static_cast<std::size_t>(i)] = a % p;
            a /= p;
        }
        return d;
    };
    auto number = [&](const std::vector<int>& d) {
        int a = 0;
        for (int i = n - 1; i >= 0; --i) a = a * p + d[static_cast<std::size_t>(i)];
        return a;
    };
    for (int a = 0; a < q; ++a) {
        for (int b = 0; b < q; ++b) {
            auto x = digits(a), y = digits(b);
            for (int i = 0; i < n; ++i) {
                x[static_cast<std::size_t>(i)] =
                    (x[static_cast<std::size_t>(i)] + y[static_cast<std::size_t>(i)]) % p;
            }
            add_[static_cast<std::size_t>(a * q + b)] = number(x);
        }
    }
    if (n == 1) {
        for (int x = 0; x < q; ++x) {
            for (int y = 0; y < q; ++y) mul_[static_cast<std::size_t>(x * q + y)] = x * y % q;
        }
        return;
    }
    // Find a monic f of degree n for which x generates all q - 1 nonzero elements.
    for (int f = 0; f < q; ++f) {
        const auto low = digits(f);  // f = x^n + sum low_i x^i
        auto timesX = [&](int a) {
            auto d = digits(a);
            const int top = d[static_cast<std::size_t>(n - 1)];
            for (int i = n - 1; i > 0; --i)
                d[static_cast<std::size_t>(i)] = d[static_cast<std::size_t>(i - 1)];
            d[0] = 0;
            for (int i = 0; i < n; ++i) {
                d[static_cast<std::size_t>(i)] =
                    ((d[static_cast<std::size_t>(i)] - top * low[static_cast<std::size_t>(i)]) % p +
                     p) %
                    p;
            }
            return number(d);
        };
        std::vector<int> power(static_cast<std::size_t>(q - 1));
        std::vector<int> logOf(static_cast<std::size_t>(q), -1);
        int a = 1;
        bool primitive = true;
        for (int e = 0; e < q - 1; ++e) {
            if (logOf[static_cast<std::size_t>(a)] != -1 || a == 0) {
                primitive = false;
                break;
            }
            logOf[static_cast<std::size_t>(a)] = e;
            power[static_cast<std::size_t>(e)] = a;
            a = timesX(a);
        }
        if (!primitive || a != 1) continue;
        for (int x = 0; x < q; ++x) {
            for (int y = 0; y < q; ++y) {
                mul_[static_cast<std::size_t>(x * q + y)] =
                    x == 0 || y == 0
                        ? 0
                        : power[static_cast<std::size_t>((logOf[static_cast<std::size_t>(x)] +
                                                          logOf[static_cast<std::size_t>(y)]) %
                                                         (q - 1))];
            }
        }
        return;
    }
    throw std::logic_error("no primitive polynomial found");
}

int Field::Neg(int a) const {
    for (int b = 0; b < q_; ++b) {
        if (Add(a, b) == 0) return b;
    }
    return 0;
}

int Field::Inv(int a) const {
    for (int b = 1; b < q_; ++b) {
        if (Mul(a, b) == 1) return b;
    }
    return 0;
}

int Field::Pow(int a, int e) const {
    int r = 1;
    for (int i = 0; i < e; ++i) r = Mul(r, a);
    return r;
}

namespace {

using Vec3 = std::array<int, 3>;

// Points of PG(2, q): vectors whose first nonzero coordinate is 1.
std::vector<Vec3> PlanePoints(int q) {
    std::vector<Vec3> pts;
    for (int y = 0; y < q; ++y)
        for (int z = 0; z < q; ++z) pts.push_back({1, y, z});
    for (int z = 0; z < q; ++z) pts.push_back({0, 1, z});
    pts.push_back({0, 0, 1});
    return pts;
}

int Dot(const Field& f, const Vec3& a, const Vec3& b) {
    return f.Add(f.Add(f.Mul(a[0], b[0]), f.Mul(a[1], b[1])), f.Mul(a[2], b[2]));
}

// Lines of PG(2, q) as lists of point indices.
std::vector<std::vector<int>> PlaneLines(const Field& f) {
    const auto pts = PlanePoints(f.q());
    std::vector<std::vector<int>> lines;
    for (const Vec3& l : pts) {
        std::vector<int> line;
        for (int i = 0; i < static_cast<int>(pts.size()); ++i) {
            if (Dot(f, l, pts[static_cast<std::size_t>(i)]) == 0) line.push_back(i);
        }
        lines.push_back(line);
    }
    return lines;
}

Mask MaskOf(const std::vector<int>& pts) {
    Mask m = 0;
    for (int p : pts) m |= Mask{1} << p;
    return m;
}

}  // namespace

std::vector<Mask> ProjectivePlane(int q) {
    const Field f(q);
    std::vector<Mask> out;
    for (const auto& line : PlaneLines(f)) out.push_back(MaskOf(line));
    return out;
}

std::vector<Mask> AffinePlane(int q) {
    const Field f(q);
    std::vector<Mask> out;
    auto point = [&](int x, int y) { return x * q + y; };
    for (int m = 0; m < q; ++m) {  // y = m x + c
        for (int c = 0; c < q; ++c) {
            std::vector<int> line;
            for (int x = 0; x < q; ++x) line.push_back(point(x, f.Add(f.Mul(m, x), c)));
            out.push_back(MaskOf(line));
        }
    }
    for (int c = 0; c < q; ++c) {  // x = c
        std::vector<int> line;
        for (int y = 0; y < q; ++y) line.push_back(point(c, y));
        out.push_back(MaskOf(line));
    }
    return out;
}

std::vector<Mask> InversivePlane(int q) {
    const int qq = q * q;
    const Field f(qq);
    const int inf = qq;
    std::vector<int> base;
    for (int x = 0; x < qq; ++x) {
        if (f.Pow(x, q) == x) base.push_back(x);
    }
    base.push_back(inf);
    std::set<Mask> blocks;
    for (int a = 0; a < qq; ++a)
        for (int b = 0; b < qq; ++b)
            for (int c = 0; c < qq; ++c)
                for (int d = 0; d < qq; ++d) {
                    if (f.Sub(f.Mul(a, d), f.Mul(b, c)) == 0) continue;
                    Mask m = 0;
                    for (int z : base) {
                        int w;
                        if (z == inf) {
                            w = c == 0 ? inf : f.Mul(a, f.Inv(c));
                        } else {
                            const int den = f.Add(f.Mul(c, z), d);
                            w = den == 0 ? inf : f.Mul(f.Add(f.Mul(a, z), b), f.Inv(den));
                        }
                        m |= Mask{1} << w;
                    }
                    blocks.insert(m);
                }
    return {blocks.begin(), blocks.end()};
}

std::vector<Mask> WittDesign22() {
    const Field f(4);
    const auto lines = PlaneLines(f);  // 21 points 0..20, point 21 is the extra one
    std::vector<Mask> lineMasks;
    for (const auto& l : lines) lineMasks.push_back(MaskOf(l));
    std::vector<Mask> out;
    for (Mask l : lineMasks) out.push_back(l | (Mask{1} << 21));
    // Hyperovals: 6 points, no three on a line.
    std::vector<Mask> ovals;
    ForEachSubset(FullMask(21), 6, [&](Mask s) {
        for (Mask l : lineMasks) {
            if (Popcount(s & l) >= 3) return;
        }
        ovals.push_back(s);
    });
    const Mask first = ovals.front();
    for (Mask o : ovals) {
        if (Popcount(o & first) % 2 == 0) out.push_back(o);
    }
    return out;
}

std::vector<Mask> HermitianUnital3() {
    const int q = 3;
    const Field f(q * q);
    const auto pts = PlanePoints(q * q);
    std::vector<int> curve(pts.size(), -1);
    int n = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        int s = 0;
        for (int c : pts[i]) s = f.Add(s, f.Pow(c, q + 1));
        if (s == 0) curve[i] = n++;
    }
    std::set<Mask> blocks;
    for (const Vec3& l : pts) {
        Mask m = 0;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            if (curve[i] >= 0 && Dot(f, l, pts[i]) == 0) m |= Mask{1} << curve[i];
        }
        if (Popcount(m) == q + 1) blocks.insert(m);
    }
    return {blocks.begin(), blocks.end()};
}

namespace {

using Vec4 = std::array<int, 4>;

std::vector<Vec4> SpacePoints(const Field& f) {
    std::vector<Vec4> pts;
    const int q = f.q();
    for (int lead = 0; lead < 4; ++lead) {
        const int free = 3 - lead;
        int total = 1;
        for (int i = 0; i < free; ++i) total *= q;
        for (int code = 0; code < total; ++code) {
            Vec4 v{0, 0, 0, 0};
            v[static_cast<std::size_t>(lead)] = 1;
            int c = code;
            for (int i = lead + 1; i < 4; ++i) {
                v[static_cast<std::size_t>(i)] = c % q;
                c /= q;
            }
            pts.push_back(v);
        }
    }
    return pts;
}

int IndexOf(const Field& f, const std::vector<Vec4>& pts, Vec4 v) {
    int lead = 0;
    while (lead < 4 && v[static_cast<std::size_t>(lead)] == 0) ++lead;
    if (lead == 4) return -1;
    const int inv = f.Inv(v[static_cast<std::size_t>(lead)]);
    for (int& c : v) c = f.Mul(c, inv);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        if (pts[i] == v) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::vector<Mask> ProjectiveSpaceLines3(int q) {
    const Field f(q);
    const auto pts = SpacePoints(f);
    std::set<Mask> lines;
    for (std::size_t a = 0; a < pts.size(); ++a) {
        for (std::size_t b = a + 1; b < pts.size(); ++b) {
            Mask m = 0;
            for (int s = 0; s < q; ++s) {
                for (int t = 0; t < q; ++t) {
                    Vec4 v;
                    for (int i = 0; i < 4; ++i) {
                        v[static_cast<std::size_t>(i)] =
                            f.Add(f.Mul(s, pts[a][static_cast<std::size_t>(i)]),
                                  f.Mul(t, pts[b][static_cast<std::size_t>(i)]));
                    }
                    const int idx = IndexOf(f, pts, v);
                    if (idx >= 0) m |= Mask{1} << idx;
                }
            }
            lines.insert(m);
        }
    }
    return {lines.begin(), lines.end()};
}

std::vector<Mask> ProjectiveSpacePlanes3(int q) {
    const Field f(q);
    const auto pts = SpacePoints(f);
    std::vector<Mask> planes;
    for (const Vec4& h : pts) {
        Mask m = 0;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            int s = 0;
            for (int c = 0; c < 4; ++c)
                s = f.Add(
                    s, f.Mul(h[static_cast<std::size_t>(c)], pts[i][static_cast<std::size_t>(c)]));
            if (s == 0) m |= Mask{1} << i;
        }
        planes.push_back(m);
    }
    return planes;
}

std::vector<Mask> Derived(const std::vector<Mask>& design, int point) {
    std::vector<Mask> out;
    const Mask bit = Mask{1} << point;
    const Mask low = bit - 1;
    for (Mask b : design) {
        if (!(b & bit)) continue;
        const Mask rest = b & ~bit;
        out.push_back((rest & low) | ((rest & ~low) >> 1));
    }
    return out;
}

std::vector<Construction> ConstructionsFor(int v, int k, int t) {
    std::vector<Construction> out;
    auto add = [&](const std::string& name, std::vector<Mask> rows) {
        out.push_back({name, std::move(rows)});
    };
    if (t == 2) {
        for (int q : {2, 3, 4, 5, 7}) {
            if (v == q * q + q + 1 && k == q + 1)
                add("projective plane of order " + std::to_string(q), ProjectivePlane(q));
            if (v == q * q && k == q)
                add("affine plane of order " + std::to_string(q), AffinePlane(q));
        }
        if (v == 28 && k == 4) add("Hermitian unital of order 3", HermitianUnital3());
        if (v == 40 && k == 4)
            add("lines of the projective space PG(3,3)", ProjectiveSpaceLines3(3));
        if (v == 15 && k == 3)
            add("lines of the projective space PG(3,2)", ProjectiveSpaceLines3(2));
    }
    if (t == 3) {
        for (int q : {3, 4, 5}) {
            if (v == q * q + 1 && k == q + 1)
                add("inversive plane of order " + std::to_string(q), InversivePlane(q));
        }
        if (v == 22 && k == 6) add("Witt design S(3,6,22)", WittDesign22());
        if (v == 15 && k == 7)
            add("planes of the projective space PG(3,2)", ProjectiveSpacePlanes3(2));
    }
    return out;
}

}  // namespace designgen
