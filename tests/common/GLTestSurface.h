#pragma once

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <memory>
#include <qopengl.h>
#include <vector>

#include "foundation/GLUtils.h"

// A current OpenGL context drawing into a framebuffer object with depth and
// stencil, set up with an orthographic projection of one unit per pixel
// (x right, y up, the eye looking along -z). Pixels are read back exactly.
class GLTestSurface
{
public:
    struct Pixel
    {
        int r, g, b, a;
        bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    };

    GLTestSurface(int width, int height) : width(width), height(height)
    {
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface))
            return;
        fbo = std::make_unique<QOpenGLFramebufferObject>(width, height,
                                                         QOpenGLFramebufferObject::CombinedDepthStencil);
        if (!fbo->isValid() || !fbo->bind())
            return;
        valid = true;
        reset();
    }

    ~GLTestSurface()
    {
        if (fbo)
            fbo->release();
        context.doneCurrent();
    }

    bool isValid() const { return valid; }

    // Black, transparent, empty stencil and depth; default state. Makes the
    // context current again should a widget have taken over.
    void reset()
    {
        context.makeCurrent(&surface);
        fbo->bind();
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, width, 0, height, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_STENCIL_TEST);
        glDisable(GL_CULL_FACE);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glStencilMask(255);
        glClearColor(0, 0, 0, 0);
        glClearStencil(0);
        glClearDepth(1.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    }

    Pixel pixel(int x, int y) const
    {
        unsigned char rgba[4] = {0, 0, 0, 0};
        glFinish();
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return Pixel{rgba[0], rgba[1], rgba[2], rgba[3]};
    }

    // Every pixel, RGBA row by row from the bottom.
    std::vector<unsigned char> frame() const
    {
        std::vector<unsigned char> rgba(static_cast<size_t>(width * height * 4));
        glFinish();
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    // Number of pixels whose colour is not the cleared black.
    int drawnPixels() const
    {
        const std::vector<unsigned char> rgba = frame();
        int count = 0;
        for (size_t i = 0; i < rgba.size(); i += 4)
            if (rgba[i] || rgba[i + 1] || rgba[i + 2] || rgba[i + 3])
                ++count;
        return count;
    }

private:
    int width;
    int height;
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    bool valid = false;
};

inline char* toString(const GLTestSurface::Pixel& p)
{
    return qstrdup(QByteArray("rgba(" + QByteArray::number(p.r) + ", " + QByteArray::number(p.g) + ", " +
                              QByteArray::number(p.b) + ", " + QByteArray::number(p.a) + ")")
                       .constData());
}

// Records what the drawing code sends to OpenGL while it lives.
class GLCallRecording
{
public:
    GLCallRecording() { GLUtils::setCallLog(&calls); }
    ~GLCallRecording() { GLUtils::setCallLog(nullptr); }
    GLCallRecording(const GLCallRecording&) = delete;
    GLCallRecording& operator=(const GLCallRecording&) = delete;

    // The vertex counts of the primitives of one mode, in drawing order.
    std::vector<int> primitiveSizes(unsigned int mode) const
    {
        std::vector<int> sizes;
        bool inside = false;
        for (const auto& c : calls) {
            if (c.kind == GLUtils::RecordedCall::BeginCall) {
                inside = c.mode == mode;
                if (inside)
                    sizes.push_back(0);
            } else if (c.kind == GLUtils::RecordedCall::EndCall) {
                inside = false;
            } else if (inside && c.kind == GLUtils::RecordedCall::VertexCall) {
                ++sizes.back();
            }
        }
        return sizes;
    }

    std::vector<GLUtils::RecordedCall> calls;
};
