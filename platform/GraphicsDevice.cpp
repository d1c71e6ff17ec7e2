#include "platform/GraphicsDevice.h"

int VertexCountOf(PrimitiveType type, int primitiveCount)
{
    if (primitiveCount <= 0)
        return 0;
    switch (type) {
    case PrimitiveType::PointList:
        return primitiveCount;
    case PrimitiveType::LineList:
        return primitiveCount * 2;
    case PrimitiveType::LineStrip:
        return primitiveCount + 1;
    case PrimitiveType::TriangleList:
        return primitiveCount * 3;
    case PrimitiveType::TriangleStrip:
        return primitiveCount + 2;
    }
    return 0;
}
