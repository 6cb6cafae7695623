#pragma once

#include <boost/histogram/axis/option.hpp>
#include <boost/histogram/fwd.hpp>

namespace analysis {

// Uniform binning with under- and overflow, finding bins with the formula of the
// classic histogram classes: bin = floor(n (x - min) / (max - min)); x below min is
// underflow, x at or above max (and NaN) overflow. Used as a Boost.Histogram axis.
class BinningAxis {
public:
    BinningAxis() = default;
    BinningAxis(int nbins, double xmin, double xmax) : n_(nbins), min_(xmin), max_(xmax) {}

    boost::histogram::axis::index_type index(double x) const {
        if (x < min_)
            return -1;
        if (!(x < max_))
            return n_;
        const auto i =
            static_cast<boost::histogram::axis::index_type>(n_ * (x - min_) / (max_ - min_));
        return i < n_ ? i : n_;
    }
    boost::histogram::axis::index_type size() const { return n_; }
    static constexpr unsigned options() {
        return (boost::histogram::axis::option::underflow |
                boost::histogram::axis::option::overflow)
            .value;
    }
    // Lower edge of bin i counted from 0 (fractional i allowed).
    double value(double i) const { return min_ + i * (max_ - min_) / n_; }

    double min() const { return min_; }
    double max() const { return max_; }

    bool operator==(const BinningAxis& o) const {
        return n_ == o.n_ && min_ == o.min_ && max_ == o.max_;
    }
    bool operator!=(const BinningAxis& o) const { return !(*this == o); }

private:
    int n_ = 1;
    double min_ = 0.0;
    double max_ = 1.0;
};

} // namespace analysis
