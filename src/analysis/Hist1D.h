#pragma once

#include "analysis/BinningAxis.h"

#include <boost/histogram.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <tuple>

namespace analysis {

// One-dimensional histogram with uniform bins and per-bin sums of squared weights.
// Bins are numbered 1 ... nbins; bin 0 is the underflow, bin nbins + 1 the overflow.
class Hist1D {
public:
    Hist1D(std::string name, std::string title, int nbins, double xmin, double xmax);

    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }
    const std::string& xTitle() const { return xTitle_; }
    const std::string& yTitle() const { return yTitle_; }
    void setAxisTitles(std::string xTitle, std::string yTitle);

    int nbins() const { return nbins_; }
    double xmin() const { return xmin_; }
    double xmax() const { return xmax_; }
    double binWidth() const { return (xmax_ - xmin_) / nbins_; }
    double binLowEdge(int bin) const;
    double binCenter(int bin) const;
    // Bin number of x with the under- and overflow convention above.
    int findBin(double x) const;

    void fill(double x, double weight = 1.0);
    // Fills every value with weight 1.
    void fillMany(const double* x, std::size_t n);
    // Adds counts of unit-weight fills, one per bin 0 ... nbins + 1, to contents and squared
    // weights alike, and `fills` to the entries.
    void addUnitWeightCounts(const double* counts, double fills);

    double binContent(int bin) const;
    double sumw2(int bin) const;
    // sqrt of the sum of squared weights.
    double binError(int bin) const;
    // Sets content and sum of squared weights of one bin.
    void setBin(int bin, double content, double sumw2);

    // Number of fills (weighted by the factors of add()).
    double entries() const { return entries_; }
    // Clears contents, squared weights and entries; keeps binning and titles.
    void reset();

    // this += factor * other, squared weights += factor^2 * other's. Same binning required
    // (std::invalid_argument otherwise).
    void add(const Hist1D& other, double factor);
    // Multiplies contents by factor and squared weights by factor^2.
    void scale(double factor);

    // Sum of the contents of bins 1 ... nbins.
    double integral() const;
    // Sum of the contents of bins first ... last (clipped to 0 ... nbins + 1).
    double integral(int first, int last) const;

    // A copy scaled so that bins 1 ... nbins sum to 1; none when they sum to zero.
    std::optional<Hist1D> normalised() const;

    bool sameBinning(const Hist1D& other) const;

private:
    using Storage = boost::histogram::weight_storage;
    using Histogram = boost::histogram::histogram<std::tuple<BinningAxis>, Storage>;

    void checkBin(int bin) const;

    std::string name_, title_, xTitle_, yTitle_;
    int nbins_;
    double xmin_, xmax_;
    double entries_ = 0.0;
    Histogram hist_;
};

} // namespace analysis
