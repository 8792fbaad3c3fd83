#pragma once

#include <string>
#include <vector>

#include "combinatorics.h"

namespace designgen {

// The finite field GF(q), q a prime power up to 64; elements 0..q-1.
class Field {
  public:
    explicit Field(int q);
    int q() const { return q_; }
    int Add(int a, int b) const { return add_[static_cast<std::size_t>(a * q_ + b)]; }
    int Mul(int a, int b) const { return mul_[static_cast<std::size_t>(a * q_ + b)]; }
    int Neg(int a) const;
    int Inv(int a) const;
    int Sub(int a, int b) const { return Add(a, Neg(b)); }
    int Pow(int a, int e) const;

  private:
    int q_;
    std::vector<int> add_;
    std::vector<int> mul_;
};

// Designs of classical geometry, points 0-based.
std::vector<Mask> ProjectivePlane(int q);         // S(2, q+1, q^2+q+1), q^2+q+1 <= 64
std::vector<Mask> AffinePlane(int q);             // S(2, q, q^2)
std::vector<Mask> InversivePlane(int q);          // S(3, q+1, q^2+1)
std::vector<Mask> WittDesign22();                 // S(3, 6, 22)
std::vector<Mask> HermitianUnital3();             // S(2, 4, 28)
std::vector<Mask> ProjectiveSpaceLines3(int q);   // lines of PG(3, q), q = 2, 3
std::vector<Mask> ProjectiveSpacePlanes3(int q);  // planes of PG(3, q), q = 2

// The blocks through `point` without it, the points above it moved down by one.
std::vector<Mask> Derived(const std::vector<Mask>& design, int point);

// A construction that fits a parameter set (v, k, t) of a covering design, with its name.
struct Construction {
    std::string name;
    std::vector<Mask> rows;
};
std::vector<Construction> ConstructionsFor(int v, int k, int t);

}  // namespace designgen
