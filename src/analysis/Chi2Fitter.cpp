#include "analysis/Chi2Fitter.h"

#include "analysis/ParameterTransform.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_eigen.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_linalg.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace analysis {

namespace {

struct Problem {
    const Chi2Fitter::Points* points;
    const FitModel* model;
    std::vector<ParameterTransform> transforms;
    int npar;

    void external(const double* internal, double* ext) const {
        for (int k = 0; k < npar; ++k)
            ext[k] = transforms[k].toExternal(internal[k]);
    }
};

int residuals(const gsl_vector* q, void* data, gsl_vector* f) {
    const auto& pr = *static_cast<const Problem*>(data);
    std::vector<double> internal(pr.npar), p(pr.npar);
    for (int k = 0; k < pr.npar; ++k)
        internal[k] = gsl_vector_get(q, k);
    pr.external(internal.data(), p.data());
    const auto& pts = *pr.points;
    for (std::size_t i = 0; i < pts.size(); ++i)
        gsl_vector_set(f, i, (pr.model->value(pts.x[i], p.data()) - pts.y[i]) / pts.error[i]);
    return GSL_SUCCESS;
}

int jacobian(const gsl_vector* q, void* data, gsl_matrix* J) {
    const auto& pr = *static_cast<const Problem*>(data);
    std::vector<double> internal(pr.npar), p(pr.npar), d(pr.npar), g(pr.npar);
    for (int k = 0; k < pr.npar; ++k) {
        internal[k] = gsl_vector_get(q, k);
        d[k] = pr.transforms[k].derivative(internal[k]);
    }
    pr.external(internal.data(), p.data());
    const auto& pts = *pr.points;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        pr.model->gradient(pts.x[i], p.data(), g.data());
        for (int k = 0; k < pr.npar; ++k)
            gsl_matrix_set(J, i, k, g[k] * d[k] / pts.error[i]);
    }
    return GSL_SUCCESS;
}

// Chi-square, its gradient (2 J^T r) and J^T J at internal values q.
struct Derivatives {
    double chi2 = 0.0;
    std::vector<double> gradient;
    std::vector<double> jtj;
};

Derivatives derivativesAt(const Problem& pr, const std::vector<double>& q) {
    const std::size_t n = pr.points->size();
    const int np = pr.npar;
    gsl_vector_const_view qv = gsl_vector_const_view_array(q.data(), np);
    std::unique_ptr<gsl_vector, decltype(&gsl_vector_free)> r(gsl_vector_alloc(n), gsl_vector_free);
    std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)> J(gsl_matrix_alloc(n, np),
                                                              gsl_matrix_free);
    residuals(&qv.vector, const_cast<Problem*>(&pr), r.get());
    jacobian(&qv.vector, const_cast<Problem*>(&pr), J.get());
    Derivatives out;
    out.gradient.assign(np, 0.0);
    out.jtj.assign(static_cast<std::size_t>(np) * np, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double ri = gsl_vector_get(r.get(), i);
        out.chi2 += ri * ri;
        for (int a = 0; a < np; ++a) {
            const double ja = gsl_matrix_get(J.get(), i, a);
            out.gradient[a] += 2.0 * ja * ri;
            for (int b = 0; b < np; ++b)
                out.jtj[a * np + b] += ja * gsl_matrix_get(J.get(), i, b);
        }
    }
    return out;
}

// Inverse of a symmetric positive-definite matrix; false when it is not positive definite.
bool invertSymmetric(std::vector<double> m, int n, std::vector<double>& inverse) {
    gsl_matrix_view view = gsl_matrix_view_array(m.data(), n, n);
    gsl_error_handler_t* old = gsl_set_error_handler_off();
    const int status = gsl_linalg_cholesky_decomp1(&view.matrix);
    int invStatus = GSL_FAILURE;
    if (status == GSL_SUCCESS)
        invStatus = gsl_linalg_cholesky_invert(&view.matrix);
    gsl_set_error_handler(old);
    if (status != GSL_SUCCESS || invStatus != GSL_SUCCESS)
        return false;
    inverse = m;
    for (double v : inverse)
        if (!std::isfinite(v))
            return false;
    return true;
}

// Makes a symmetric matrix positive definite the way MINUIT does: scaled to unit diagonal,
// its diagonal is raised until the smallest eigenvalue is 1e-3 of the largest.
std::vector<double> forcedPositiveDefinite(const std::vector<double>& m, int n) {
    std::vector<double> scale(n);
    for (int i = 0; i < n; ++i) {
        const double d = m[i * n + i];
        scale[i] = d > 0.0 && std::isfinite(d) ? std::sqrt(d) : 1.0;
    }
    std::vector<double> scaled(m.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            scaled[i * n + j] = m[i * n + j] / (scale[i] * scale[j]);
    std::vector<double> work = scaled;
    gsl_matrix_view view = gsl_matrix_view_array(work.data(), n, n);
    std::unique_ptr<gsl_vector, decltype(&gsl_vector_free)> eval(gsl_vector_alloc(n),
                                                                 gsl_vector_free);
    std::unique_ptr<gsl_eigen_symm_workspace, decltype(&gsl_eigen_symm_free)> ws(
        gsl_eigen_symm_alloc(n), gsl_eigen_symm_free);
    gsl_eigen_symm(&view.matrix, eval.get(), ws.get());
    const double pmin = gsl_vector_min(eval.get());
    const double pmax = std::max(gsl_vector_max(eval.get()), 1.0);
    const double add = 1e-3 * pmax - pmin;
    std::vector<double> out(m.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            out[i * n + j] =
                (scaled[i * n + j] + (i == j && add > 0.0 ? add : 0.0)) * scale[i] * scale[j];
    return out;
}

Chi2FitResult failed(std::string message, bool noData = false) {
    Chi2FitResult r;
    r.valid = false;
    r.noData = noData;
    r.message = std::move(message);
    return r;
}

} // namespace

Chi2Fitter::Points Chi2Fitter::selectPoints(const Hist1D& hist, double xlow, double xhigh) {
    Points pts;
    for (int bin = 1; bin <= hist.nbins(); ++bin) {
        const double x = hist.binCenter(bin);
        if (x < xlow || x > xhigh)
            continue;
        const double err = hist.binError(bin);
        if (!(err > 0.0))
            continue;
        pts.x.push_back(x);
        pts.y.push_back(hist.binContent(bin));
        pts.error.push_back(err);
    }
    return pts;
}

Chi2FitResult Chi2Fitter::fit(const Hist1D& hist, const FitModel& model,
                              const std::vector<FitParameter>& parameters, double xlow,
                              double xhigh) {
    return fit(selectPoints(hist, xlow, xhigh), model, parameters);
}

Chi2FitResult Chi2Fitter::fit(const Points& points, const FitModel& model,
                              const std::vector<FitParameter>& parameters) {
    const int np = model.numberOfParameters();
    if (static_cast<int>(parameters.size()) != np)
        return failed("the model has " + std::to_string(np) + " parameters, " +
                      std::to_string(parameters.size()) + " given");
    const std::size_t n = points.size();
    if (n == 0)
        return failed("No bin with content in the fit range: nothing to fit.", true);
    if (n < static_cast<std::size_t>(np))
        return failed("Only " + std::to_string(n) + " usable bins in the fit range for " +
                          std::to_string(np) + " parameters: nothing to fit.",
                      true);

    Problem pr{&points, &model, {}, np};
    std::vector<double> q(np);
    for (int k = 0; k < np; ++k) {
        pr.transforms.emplace_back(parameters[k]);
        q[k] = pr.transforms[k].toInternal(parameters[k].start);
    }

    gsl_multifit_nlinear_parameters settings = gsl_multifit_nlinear_default_parameters();
    settings.trs = gsl_multifit_nlinear_trs_lm;
    settings.scale = gsl_multifit_nlinear_scale_more;
    settings.solver = gsl_multifit_nlinear_solver_qr;
    std::unique_ptr<gsl_multifit_nlinear_workspace, decltype(&gsl_multifit_nlinear_free)> work(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &settings, n, np),
        gsl_multifit_nlinear_free);

    gsl_multifit_nlinear_fdf fdf;
    fdf.f = residuals;
    fdf.df = jacobian;
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = np;
    fdf.params = &pr;

    gsl_error_handler_t* old = gsl_set_error_handler_off();
    int status = GSL_SUCCESS;
    // A second pass from the first minimum confirms it (the minimiser's "improve").
    for (int pass = 0; pass < 2; ++pass) {
        gsl_vector_view qv = gsl_vector_view_array(q.data(), np);
        status = gsl_multifit_nlinear_init(&qv.vector, &fdf, work.get());
        if (status != GSL_SUCCESS)
            break;
        int info = 0;
        status = gsl_multifit_nlinear_driver(2000, 1e-12, 1e-12, 0.0, nullptr, nullptr, &info,
                                             work.get());
        const int steps = static_cast<int>(gsl_multifit_nlinear_niter(work.get()));
        // Starting on the minimum, no step can improve it: the first pass was converged.
        if (pass == 1 && steps <= 1 && (status == GSL_EMAXITER || status == GSL_ENOPROG)) {
            status = GSL_SUCCESS;
            break;
        }
        const gsl_vector* x = gsl_multifit_nlinear_position(work.get());
        for (int k = 0; k < np; ++k)
            q[k] = gsl_vector_get(x, k);
        if (status != GSL_SUCCESS && status != GSL_ENOPROG)
            break;
    }
    gsl_set_error_handler(old);
    if (status != GSL_SUCCESS && status != GSL_ENOPROG)
        return failed(std::string("The fit did not converge: ") + gsl_strerror(status) + ".");

    const Derivatives at = derivativesAt(pr, q);
    if (!std::isfinite(at.chi2))
        return failed("The fit did not converge: the chi-square is not finite.");

    // Second derivatives of the chi-square by central differences of its analytic
    // gradient, with steps scaled to the parameters' errors.
    std::vector<double> gnCov;
    std::vector<double> covInternal;
    bool forced = false;
    if (!invertSymmetric(at.jtj, np, gnCov)) {
        // A parameter on a limit leaves the chi-square flat in its direction.
        forced = true;
        if (!invertSymmetric(forcedPositiveDefinite(at.jtj, np), np, gnCov))
            return failed("The fit did not converge: the parameters are not determined by the "
                          "data.");
    }
    std::vector<double> hessian(static_cast<std::size_t>(np) * np, 0.0);
    for (int k = 0; k < np; ++k) {
        const double h = 1e-3 * std::sqrt(gnCov[k * np + k]) + 1e-14 * (std::fabs(q[k]) + 1.0);
        std::vector<double> qp = q, qm = q;
        qp[k] += h;
        qm[k] -= h;
        const Derivatives up = derivativesAt(pr, qp);
        const Derivatives down = derivativesAt(pr, qm);
        for (int a = 0; a < np; ++a)
            hessian[a * np + k] = (up.gradient[a] - down.gradient[a]) / (2.0 * h);
    }
    for (int a = 0; a < np; ++a)
        for (int b = a + 1; b < np; ++b) {
            const double mean = 0.5 * (hessian[a * np + b] + hessian[b * np + a]);
            hessian[a * np + b] = hessian[b * np + a] = mean;
        }
    std::vector<double> hessInverse;
    if (invertSymmetric(hessian, np, hessInverse)) {
        covInternal.resize(hessInverse.size());
        for (std::size_t i = 0; i < hessInverse.size(); ++i)
            covInternal[i] = 2.0 * hessInverse[i];
    } else if (!forced && invertSymmetric(forcedPositiveDefinite(hessian, np), np, hessInverse)) {
        forced = true;
        covInternal.resize(hessInverse.size());
        for (std::size_t i = 0; i < hessInverse.size(); ++i)
            covInternal[i] = 2.0 * hessInverse[i];
    } else {
        forced = true;
        covInternal = gnCov;
    }

    Chi2FitResult result;
    result.valid = true;
    result.covarianceForced = forced;
    if (forced)
        result.message = "The error matrix was not positive definite and was forced to be; the "
                         "errors are approximate.";
    result.parameters.resize(np);
    result.errors.resize(np);
    result.covariance.assign(static_cast<std::size_t>(np) * np, 0.0);
    std::vector<double> d(np);
    for (int k = 0; k < np; ++k) {
        result.parameters[k] = pr.transforms[k].toExternal(q[k]);
        d[k] = pr.transforms[k].derivative(q[k]);
        result.errors[k] = pr.transforms[k].externalError(q[k], std::sqrt(covInternal[k * np + k]));
    }
    for (int a = 0; a < np; ++a)
        for (int b = 0; b < np; ++b)
            result.covariance[a * np + b] = d[a] * covInternal[a * np + b] * d[b];
    result.chi2 = at.chi2;
    result.points = static_cast<int>(n);
    result.ndf = static_cast<int>(n) - np;
    return result;
}

Chi2FitResult Chi2Fitter::fit(const Points& points, const FitModel& model,
                              const std::vector<FitParameter>& parameters,
                              const std::vector<std::vector<double>>& otherStarts) {
    Chi2FitResult best = fit(points, model, parameters);
    if (best.noData)
        return best;
    for (const auto& start : otherStarts) {
        if (start.size() != parameters.size())
            continue;
        std::vector<FitParameter> from = parameters;
        for (std::size_t k = 0; k < from.size(); ++k)
            from[k].start = start[k];
        Chi2FitResult r = fit(points, model, from);
        if (r.valid && (!best.valid || r.chi2 < best.chi2 * (1.0 - 1e-12)))
            best = std::move(r);
    }
    return best;
}

} // namespace analysis
